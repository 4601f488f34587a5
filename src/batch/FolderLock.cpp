#include "batch/FolderLock.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kelvane::batch {
namespace {

constexpr mode_t kLockFileMode = 0666;  // narrowed by the umask; other users' runs must open it too

// Read access is enough for flock, and should the file take the number of a closed standard output,
// writing the results there fails and is reported instead of landing in the lock file. An existing file is
// opened without O_CREAT, which a sticky shared folder refuses on another user's file; a planted symbolic
// link is never followed.
int OpenLockFile(const std::filesystem::path& folder) {
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW;
  const std::string path = (folder / kLockFileName).string();
  const int fd = open(path.c_str(), kFlags);
  if (fd >= 0 || errno != ENOENT) return fd;
  return open(path.c_str(), kFlags | O_CREAT, kLockFileMode);
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) : fd_(OpenLockFile(folder)) {
  if (fd_ < 0) return;
  while (flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      close(fd_);
      fd_ = -1;
      return;
    }
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);  // closing releases the lock
}

}  // namespace kelvane::batch
