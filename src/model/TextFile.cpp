// Whole-file writes through a temporary file and a rename, appends that are undone on failure, in-place
// writes of special files, and whole-file reads with a size limit.
#include "model/TextFile.h"

#include "model/FileErrorText.h"
#include "model/TemporaryFiles.h"
#include "model/WritePlace.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {
namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask like any new file
constexpr mode_t kPermissionBits = 07777;
constexpr std::size_t kReadChunk = 64 * 1024;

Outcome Fail(const std::string& reason) { return Outcome::Refused(reason); }

Outcome FailWithCode(int code) { return Fail(FileErrorText(code)); }

// What is at a path or write place now. Only a missing path or a regular file may be written or read, apart
// from the special files a write goes into in place; anything else is refused before it is opened (opening
// a FIFO for reading would block).
struct Target {
  bool exists = false;
  struct stat info {};
};

// Written into where they are, never replaced: standard output and the other files the kernel's links in
// /proc name, character devices such as /dev/null, and FIFOs.
bool IsWrittenInPlace(const WritePlace& place, const Target& target) {
  return place.kernelLink || (target.exists && (S_ISCHR(target.info.st_mode) || S_ISFIFO(target.info.st_mode)));
}

Outcome CheckTarget(const Target& target, bool inPlace) {
  if (!target.exists) return Outcome::Done();
  if (S_ISDIR(target.info.st_mode)) return FailWithCode(EISDIR);
  if (!S_ISREG(target.info.st_mode) && !inPlace) return Fail(kNotARegularFileText);
  return Outcome::Done();
}

Outcome InspectPath(const std::string& path, Target& target) {
  if (stat(path.c_str(), &target.info) != 0) return errno == ENOENT ? Outcome::Done() : FailWithCode(errno);
  target.exists = true;
  return CheckTarget(target, false);
}

Outcome InspectPlace(const WritePlace& place, Target& target) {
  const int follow = place.kernelLink ? 0 : AT_SYMLINK_NOFOLLOW;
  if (fstatat(place.folder.Get(), place.name.c_str(), &target.info, follow) != 0)
    return errno == ENOENT ? Outcome::Done() : FailWithCode(errno);
  target.exists = true;
  return CheckTarget(target, IsWrittenInPlace(place, target));
}

// Writes all of content; returns 0 or the errno of the first failure.
int WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    content.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

// Writes all of content and flushes it to the disk.
int WriteAllAndSync(int fd, std::string_view content) {
  const int failure = WriteAll(fd, content);
  if (failure != 0) return failure;
  return fsync(fd) == 0 ? 0 : errno;
}

int NoFollowUnlessKernelLink(const WritePlace& place) { return place.kernelLink ? 0 : O_NOFOLLOW; }

// Appends content to an open regular file. On failure the file is cut back to its old size, or removed when
// the append created it.
Outcome AppendUndoably(const WritePlace& place, FileDescriptor fd, bool created, const std::string& content) {
  struct stat before {};
  if (fstat(fd.Get(), &before) != 0) return FailWithCode(errno);
  int failure = WriteAllAndSync(fd.Get(), content);
  if (failure == 0 && fd.Close() != 0) failure = errno;
  if (failure == 0) return Outcome::Done();

  // A close that fails after the bytes reached the disk leaves nothing to cut back through.
  const bool undone = created ? unlinkat(place.folder.Get(), place.name.c_str(), 0) == 0
                              : fd.IsOpen() && ftruncate(fd.Get(), before.st_size) == 0;
  return Fail(FileErrorText(failure) + (undone ? "" : kMayBeIncompleteText));
}

// One of this process's own descriptors (standard output) takes the content as its next write; it stays
// open, for its owner.
Outcome WriteThroughDescriptor(int fd, const std::string& content) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return FailWithCode(errno);
  if (S_ISDIR(info.st_mode)) return FailWithCode(EISDIR);
  const int failure = S_ISREG(info.st_mode) ? WriteAllAndSync(fd, content) : WriteAll(fd, content);
  return failure == 0 ? Outcome::Done() : FailWithCode(failure);
}

// A special file takes the content where it is: a device or FIFO as a stream, a regular file reached
// through one of the kernel's links appended to. A FIFO that no one reads is refused rather than waited on.
Outcome WriteInPlace(const WritePlace& place, const std::string& content) {
  if (place.ownDescriptor >= 0) return WriteThroughDescriptor(place.ownDescriptor, content);
  constexpr int kFlags = O_WRONLY | O_APPEND | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
  FileDescriptor fd(openat(place.folder.Get(), place.name.c_str(), kFlags | NoFollowUnlessKernelLink(place)));
  struct stat info {};
  if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0) return FailWithCode(errno);
  if (S_ISREG(info.st_mode)) return AppendUndoably(place, std::move(fd), false, content);
  if (!S_ISCHR(info.st_mode) && !S_ISFIFO(info.st_mode)) return Fail(kNotARegularFileText);

  // From here on a write waits for a slow reader instead of failing.
  int failure = fcntl(fd.Get(), F_SETFL, O_APPEND) == 0 ? 0 : errno;
  if (failure == 0) failure = WriteAll(fd.Get(), content);
  if (fd.Close() != 0 && failure == 0) failure = errno;
  return failure == 0 ? Outcome::Done() : FailWithCode(failure);
}

// The place of path's file as it is now, with leftovers of killed runs cleared from its folder.
Outcome FindAndInspect(const std::string& path, WritePlace& place, Target& existing) {
  if (Outcome found = FindWritePlace(path, place); found.IsRefused()) return found;
  if (Outcome inspected = InspectPlace(place, existing); inspected.IsRefused()) return inspected;
  if (!IsWrittenInPlace(place, existing)) RemoveLeftoverTemporaries(place.folder.Get(), place.name);
  return Outcome::Done();
}

}  // namespace

struct ReplacingFile::State {
  WritePlace place;
  bool inPlace = false;
  std::string temporaryName;
  FileDescriptor fd;
  std::uintmax_t size = 0;
};

ReplacingFile::ReplacingFile() = default;
ReplacingFile::ReplacingFile(ReplacingFile&&) noexcept = default;

ReplacingFile::~ReplacingFile() {
  if (state_ && !state_->temporaryName.empty()) unlinkat(state_->place.folder.Get(), state_->temporaryName.c_str(), 0);
}

Outcome ReplacingFile::Open(const std::string& path) {
  auto state = std::make_unique<State>();
  Target existing;
  if (Outcome found = FindAndInspect(path, state->place, existing); found.IsRefused()) return found;
  state->inPlace = IsWrittenInPlace(state->place, existing);
  if (!state->inPlace) {
    const int folder = state->place.folder.Get();
    // Renaming over a file would bypass its read-only mark; a write the user could not make is refused.
    if (existing.exists && faccessat(folder, state->place.name.c_str(), W_OK, 0) != 0) return FailWithCode(errno);
    state->fd = FileDescriptor(CreateTemporary(folder, state->temporaryName));
    if (!state->fd.IsOpen()) return FailWithCode(errno);
    if (existing.exists && fchmod(state->fd.Get(), existing.info.st_mode & kPermissionBits) != 0) {
      const int failure = errno;
      unlinkat(folder, state->temporaryName.c_str(), 0);
      return FailWithCode(failure);
    }
  }
  state_ = std::move(state);
  return Outcome::Done();
}

Outcome ReplacingFile::Write(const std::string& text) {
  if (!state_) return FailWithCode(EBADF);
  state_->size += text.size();
  if (state_->inPlace) return WriteInPlace(state_->place, text);
  const int failure = WriteAll(state_->fd.Get(), text);
  return failure == 0 ? Outcome::Done() : FailWithCode(failure);
}

std::uintmax_t ReplacingFile::Size() const { return state_ ? state_->size : 0; }

Outcome ReplacingFile::Commit() {
  if (!state_) return FailWithCode(EBADF);
  if (state_->inPlace) return Outcome::Done();
  const int folder = state_->place.folder.Get();
  int failure = fsync(state_->fd.Get()) == 0 ? 0 : errno;
  if (state_->fd.Close() != 0 && failure == 0) failure = errno;
  if (failure == 0 && renameat(folder, state_->temporaryName.c_str(), folder, state_->place.name.c_str()) != 0)
    failure = errno;
  if (failure != 0) return FailWithCode(failure);
  state_->temporaryName.clear();
  return Outcome::Done();
}

Outcome WriteFileReplacing(const std::string& path, const std::string& content) {
  ReplacingFile file;
  if (Outcome opened = file.Open(path); opened.IsRefused()) return opened;
  if (Outcome written = file.Write(content); written.IsRefused()) return written;
  return file.Commit();
}

Outcome AppendToFile(const std::string& path, const std::string& content) {
  WritePlace place;
  Target existing;
  if (Outcome found = FindAndInspect(path, place, existing); found.IsRefused()) return found;
  if (IsWrittenInPlace(place, existing)) return WriteInPlace(place, content);

  // Created only when missing, so that a failure removes no file another process made meanwhile; a link
  // put in the file's place since it was looked at is not followed.
  constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW;
  FileDescriptor fd(openat(place.folder.Get(), place.name.c_str(), kFlags));
  const bool created = !fd.IsOpen() && errno == ENOENT;
  if (created)
    fd = FileDescriptor(openat(place.folder.Get(), place.name.c_str(), kFlags | O_CREAT | O_EXCL, kNewFileMode));
  if (!fd.IsOpen()) return FailWithCode(errno);
  return AppendUndoably(place, std::move(fd), created, content);
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

Outcome ReadWholeFile(const std::string& path, std::string& content, std::size_t limit) {
  Target existing;
  if (Outcome inspected = InspectPath(path, existing); inspected.IsRefused()) return inspected;
  if (!existing.exists) return FailWithCode(ENOENT);
  if (static_cast<std::size_t>(existing.info.st_size) > limit) return FailWithCode(EFBIG);

  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FailWithCode(errno);

  // The size is checked again while reading, for a file that grew since stat.
  std::string text;
  std::array<char, kReadChunk> chunk;
  int failure = 0;
  for (;;) {
    const ssize_t got = read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) failure = errno;
    if (got <= 0) break;
    text.append(chunk.data(), static_cast<std::size_t>(got));
    if (text.size() > limit) {
      failure = EFBIG;
      break;
    }
  }
  close(fd);
  if (failure != 0) return FailWithCode(failure);
  content = std::move(text);
  return Outcome::Done();
}

}  // namespace kelvane
