// Sessions started at once on one output folder (kelvane-solve under xargs -P, a Python script beside it)
// would mix their "PLL.txt" and "LastConfig.cfg", pairing one run's report with another run's configuration.
// Each session holds an advisory lock on a file in its output folder for the whole of its file work, so the
// sessions take turns.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "model/Outcome.h"

namespace kelvane::batch {

inline constexpr const char* kLockFileName = ".kelvane-solve.lock";
inline constexpr std::chrono::milliseconds kDefaultLockTimeout = std::chrono::seconds(60);

// How long a session waits while another run holds the lock, and whom it tells, once, that it waits.
struct LockWaiting {
  std::chrono::milliseconds timeout = kDefaultLockTimeout;
  // Hears the line "waiting for another kelvane-solve run in FOLDER" (no newline); may be empty.
  std::function<void(const std::string&)> onWait;
};

class FolderLock {
 public:
  // Takes the lock on the folder (the working directory when empty), waiting for another run that holds it
  // until the timeout. The lock file is created when missing; one that is not a regular file (a FIFO, a
  // link, a folder) or cannot be opened is never waited on: the lock is refused at once.
  explicit FolderLock(const std::filesystem::path& folder, const LockWaiting& waiting = {});
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Done while the lock is held; otherwise refused with a message naming the lock file or the folder, for
  // the session to report before it writes anything.
  Outcome Held() const { return held_; }

 private:
  int fd_ = -1;
  Outcome held_;
};

}  // namespace kelvane::batch
