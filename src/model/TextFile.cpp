#include "model/TextFile.h"

#include "model/FileErrorText.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
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
constexpr int kMostLinksFollowed = 40;  // the kernel's own limit before ELOOP

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

// The folder that holds path's last component.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// What a link's text names: an absolute path as it stands, a relative one from the link's own folder.
std::string LinkTarget(const std::string& link, const std::string& text) {
  const std::size_t slash = link.find_last_of('/');
  if (text.starts_with('/') || slash == std::string::npos) return text;
  return link.substr(0, slash + 1) + text;
}

// The file that path names once the symbolic links at its end are followed, so that replacing the file
// keeps the link. The writer resolves these links itself and the kernel never sees them, so the kernel's
// protected_symlinks rule is applied here: a link is followed only when it belongs to the user running
// the program or to the owner of its folder. Anyone else's link, planted in a shared sticky folder,
// could otherwise aim the write at a file of its maker's choosing.
Outcome FollowTrustedLinks(const std::string& path, std::string* target) {
  std::string current = path;
  for (int followed = 0;; ++followed) {
    struct stat link {};
    if (lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;  // the end of the chain
    if (followed == kMostLinksFollowed) return FailWithCode(ELOOP);
    struct stat folder {};
    if (stat(FolderOf(current).c_str(), &folder) != 0) return FailWithCode(errno);
    if (link.st_uid != geteuid() && link.st_uid != folder.st_uid) return Fail(kUntrustedLinkText);

    std::array<char, PATH_MAX> text;
    const ssize_t length = readlink(current.c_str(), text.data(), text.size());
    if (length < 0) return FailWithCode(errno);
    if (static_cast<std::size_t>(length) == text.size()) return FailWithCode(ENAMETOOLONG);
    current = LinkTarget(current, std::string(text.data(), static_cast<std::size_t>(length)));
  }
  *target = current;
  return Outcome::Done();
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
  std::string target;
  if (Outcome followed = FollowTrustedLinks(path, &target); followed.IsRefused()) return followed;
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
  std::string target;
  if (Outcome followed = FollowTrustedLinks(path, &target); followed.IsRefused()) return followed;
  Target existing;
  if (Outcome inspected = InspectTarget(target, &existing); inspected.IsRefused()) return inspected;

  // A link put in the file's place since it was looked at is not followed.
  const int fd = open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kNewFileMode);
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
  const int undone = existing.exists ? truncate(target.c_str(), before.st_size) : unlink(target.c_str());
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
