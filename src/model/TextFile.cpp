#include "model/TextFile.h"

#include "model/FileErrorText.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {
namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask like any new file
constexpr mode_t kPermissionBits = 07777;
constexpr int kTemporaryNameAttempts = 100;
constexpr std::size_t kReadChunk = 64 * 1024;

Outcome Fail(const std::string& reason) { return Outcome::Refused(reason); }

Outcome FailWithCode(int code) { return Fail(FileErrorText(code)); }

// What is at path now. Only a missing path or a regular file may be written or read; a folder or a
// device is refused before it is opened (opening a FIFO would block).
struct Target {
  bool exists = false;
  struct stat info {};
};

Outcome InspectTarget(const std::string& path, Target* target) {
  if (stat(path.c_str(), &target->info) != 0) {
    if (errno == ENOENT) return Outcome::Done();
    return FailWithCode(errno);
  }
  target->exists = true;
  if (S_ISDIR(target->info.st_mode)) return FailWithCode(EISDIR);
  if (!S_ISREG(target->info.st_mode)) return Fail(kNotARegularFileText);
  return Outcome::Done();
}

// Writes all of content and flushes it to the disk; returns 0 or the errno of the first failure.
int WriteAllAndSync(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    content.remove_prefix(static_cast<size_t>(written));
  }
  return fsync(fd) == 0 ? 0 : errno;
}

// The file a symbolic link names, so that replacing keeps the link; other paths as given.
std::string FollowLinks(const std::string& path) {
  char* resolved = realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string result(resolved);
  std::free(resolved);
  return result;
}

// Creates a new, uniquely named file beside target; returns its descriptor or -1 with errno set.
int CreateTemporaryBeside(const std::string& target, std::string* temporaryPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    *temporaryPath =
        target + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
    const int fd = open(temporaryPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

Outcome WriteFileReplacing(const std::string& path, const std::string& content) {
  const std::string target = FollowLinks(path);
  Target existing;
  if (Outcome inspected = InspectTarget(target, &existing); inspected.IsRefused()) return inspected;
  // Renaming over a file would bypass its read-only mark; a write the user could not make is refused.
  if (existing.exists && access(target.c_str(), W_OK) != 0) return FailWithCode(errno);

  std::string temporaryPath;
  const int fd = CreateTemporaryBeside(target, &temporaryPath);
  if (fd < 0) return FailWithCode(errno);

  int failure = 0;
  if (existing.exists && fchmod(fd, existing.info.st_mode & kPermissionBits) != 0) failure = errno;
  if (failure == 0) failure = WriteAllAndSync(fd, content);
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && rename(temporaryPath.c_str(), target.c_str()) != 0) failure = errno;
  if (failure == 0) return Outcome::Done();

  unlink(temporaryPath.c_str());
  return FailWithCode(failure);
}

Outcome AppendToFile(const std::string& path, const std::string& content) {
  Target existing;
  if (Outcome inspected = InspectTarget(path, &existing); inspected.IsRefused()) return inspected;

  const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, kNewFileMode);
  if (fd < 0) return FailWithCode(errno);
  struct stat before {};
  if (fstat(fd, &before) != 0) {
    const int failure = errno;
    close(fd);
    return FailWithCode(failure);
  }

  int failure = WriteAllAndSync(fd, content);
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0) return Outcome::Done();

  // Undo a part-way write so the file holds exactly what it held before.
  const int undone = existing.exists ? truncate(path.c_str(), before.st_size) : unlink(path.c_str());
  return Fail(FileErrorText(failure) + (undone == 0 ? "" : kMayBeIncompleteText));
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

Outcome ReadWholeFile(const std::string& path, std::string& content, std::size_t limit) {
  Target existing;
  if (Outcome inspected = InspectTarget(path, &existing); inspected.IsRefused()) return inspected;
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
