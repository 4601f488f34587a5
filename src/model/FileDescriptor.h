// An open file descriptor that closes itself, so that no early return of the file code leaks one.
#pragma once

#include <utility>

#include <unistd.h>

namespace kelvane {

class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }

  bool IsOpen() const { return fd_ >= 0; }
  int Get() const { return fd_; }
  // Closes now, for a caller that must see close's own failure (a write the disk refused late); returns
  // close's result, 0 when nothing was open.
  int Close() { return fd_ >= 0 ? close(std::exchange(fd_, -1)) : 0; }

 private:
  int fd_ = -1;
};

}  // namespace kelvane
