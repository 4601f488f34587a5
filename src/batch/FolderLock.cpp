// The folder lock: opening the lock file without blocking or following a link, and the bounded wait for it.
#include "batch/FolderLock.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/FileErrorText.h"
#include "model/MessageText.h"
#include "model/RoundTripNumber.h"

namespace kelvane::batch {
namespace {

using Clock = std::chrono::steady_clock;

constexpr mode_t kLockFileMode = 0666;  // narrowed by the umask; other users' runs must open it too
constexpr auto kRetryInterval = std::chrono::milliseconds(100);
constexpr int kOpenAttempts = 10;  // a lock file removed and made again by others between our two opens
constexpr const char* kAnotherRun = "another kelvane-solve run in ";

// Read access is enough for flock, and should the file take the number of a closed standard output,
// writing the results there fails and is reported instead of landing in the lock file. An existing file is
// opened without O_CREAT, which a sticky shared folder refuses on another user's file. Neither a link nor a
// FIFO (whose open would wait for a writer) gets this far; O_NOFOLLOW and O_NONBLOCK keep it so should one
// be put in the file's place meanwhile. Returns the descriptor or -1 with errno set.
int OpenLockFile(const std::string& path) {
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    const int fd = open(path.c_str(), kFlags);
    if (fd >= 0 || errno != ENOENT) return fd;
    const int created = open(path.c_str(), kFlags | O_CREAT | O_EXCL, kLockFileMode);
    if (created >= 0 || errno != EEXIST) return created;
  }
  return -1;
}

// The reason a file at path cannot serve as the lock, before it is opened; empty when it can or is missing.
std::string UnfitLockFile(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? "" : FileErrorText(errno);
  if (S_ISDIR(info.st_mode)) return FileErrorText(EISDIR);
  return S_ISREG(info.st_mode) ? "" : kNotARegularFileText;
}

// The folder by its full path, which tells the user where the other run works.
std::string FolderForMessage(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path shown =
      folder.empty() ? std::filesystem::current_path(error) : std::filesystem::absolute(folder, error);
  return PathForMessage(error ? folder.string() : shown.string());
}

std::string Seconds(std::chrono::milliseconds duration) {
  return ShortestNumberText(std::chrono::duration<double>(duration).count()) + " s";
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, const LockWaiting& waiting) {
  const std::string path = (folder / kLockFileName).string();
  const auto refuse = [&path](const std::string& reason) {
    return Outcome::Refused(LimitMessage("cannot lock " + PathForMessage(path) + ": " + reason));
  };
  if (const std::string unfit = UnfitLockFile(path); !unfit.empty()) {
    held_ = refuse(unfit);
    return;
  }
  fd_ = OpenLockFile(path);
  struct stat info {};
  if (fd_ < 0 || fstat(fd_, &info) != 0) {
    held_ = refuse(FileErrorText(errno));
    return;
  }
  if (!S_ISREG(info.st_mode)) {
    held_ = refuse(kNotARegularFileText);
    return;
  }

  const Clock::time_point deadline = Clock::now() + waiting.timeout;
  bool told = false;
  while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) {
      held_ = refuse(FileErrorText(errno));
      return;
    }
    const Clock::time_point now = Clock::now();
    const std::string other = kAnotherRun + FolderForMessage(folder);
    if (now >= deadline) {
      held_ = Outcome::Refused(LimitMessage("gave up waiting for " + other + " after " + Seconds(waiting.timeout)));
      return;
    }
    if (!told && waiting.onWait) waiting.onWait(LimitMessage("waiting for " + other));
    told = true;
    std::this_thread::sleep_for(std::min<Clock::duration>(kRetryInterval, deadline - now));
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);  // closing releases the lock
}

}  // namespace kelvane::batch
