// Sessions started at once on one output folder (kelvane-solve under xargs -P, a Python script beside it)
// would mix their "PLL.txt" and "LastConfig.cfg", pairing one run's report with another run's configuration.
// Each session holds an advisory lock on a file in its output folder for the whole of its file work, so the
// sessions take turns.
#pragma once

#include <filesystem>

namespace kelvane::batch {

inline constexpr const char* kLockFileName = ".kelvane-solve.lock";

class FolderLock {
 public:
  // Waits for the lock on the folder (the working directory when empty). Where the lock file can be neither
  // opened nor created, the session goes on unlocked: a folder that takes no new file takes no report
  // either, and the session says so.
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace kelvane::batch
