// Runs of kelvane-solve started at once in one folder (xargs -P) would interleave their "PLL.txt" blocks,
// pairing one run's planform summary with another run's results. Each run holds an advisory lock on a
// file in the working directory for the whole of its file work, so the runs take turns.
#pragma once

namespace kelvane::cli {

inline constexpr const char* kLockFileName = ".kelvane-solve.lock";

class FolderLock {
 public:
  // Waits for the lock. Where the lock file can be neither opened nor created, the run goes on unlocked:
  // a folder that takes no new file takes no report either, and the run says so.
  FolderLock();
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace kelvane::cli
