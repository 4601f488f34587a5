// The folder lock: it never hangs on something planted in the lock file's place, it waits a bounded time
// for another run and says so once, and a lock it cannot take is a refusal.
#include "batch/FolderLock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/FileDescriptor.h"
#include "model/MessageText.h"
#include "support/FileFaults.h"
#include "support/OutcomeChecks.h"
#include "support/ScopedWorkDir.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;
using batch::FolderLock;
using batch::kLockFileName;
using batch::LockWaiting;
using std::chrono::milliseconds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr milliseconds kShortWait{300};
constexpr milliseconds kLongWait{20000};

// Another run's hold on the folder's lock: a lock on a descriptor of its own, released when it is closed.
FileDescriptor OtherRunsLock(const fs::path& folder) {
  FileDescriptor fd(open((folder / kLockFileName).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644));
  EXPECT_EQ(flock(fd.Get(), LOCK_EX), 0);
  return fd;
}

TEST(FolderLock, RefusesAtOnceWhatIsNoRegularFileAndLeavesItThere) {
  ScopedWorkDir dir;
  struct Case {
    const char* what;
    void (*plant)();
    fs::file_type type;
  };
  for (const Case& c : {Case{"FIFO", [] { mkfifo(kLockFileName, 0666); }, fs::file_type::fifo},
                        Case{"link", [] { fs::create_symlink("elsewhere", kLockFileName); }, fs::file_type::symlink},
                        Case{"folder", [] { fs::create_directory(kLockFileName); }, fs::file_type::directory}}) {
    SCOPED_TRACE(c.what);
    c.plant();
    const FolderLock lock("", {.timeout = kLongWait, .onWait = {}});
    EXPECT_TRUE(Refused(lock.Held()));
    EXPECT_THAT(lock.Held().Message(), HasSubstr(kLockFileName));
    EXPECT_EQ(fs::symlink_status(kLockFileName).type(), c.type);
    EXPECT_FALSE(fs::exists("elsewhere"));
    fs::remove(kLockFileName);
  }
}

// A held lock is waited for, with one line saying so: until the timeout, or until the other run ends.
TEST(FolderLock, WaitsForAnotherRunUntilItEndsOrTheTimeoutPasses) {
  ScopedWorkDir dir;
  fs::create_directory("out");
  const std::string folder = PathForMessage(fs::absolute("out").string());
  std::vector<std::string> told;
  const auto hear = [&told](const std::string& line) { told.push_back(line); };
  const LockWaiting waiting{.timeout = kShortWait, .onWait = hear};
  {
    const FileDescriptor other = OtherRunsLock("out");
    const FolderLock lock("out", waiting);
    EXPECT_EQ(lock.Held().Message(), "gave up waiting for another kelvane-solve run in " + folder + " after 0.3 s");
  }
  EXPECT_THAT(told, ElementsAre("waiting for another kelvane-solve run in " + folder));

  told.clear();
  FileDescriptor other = OtherRunsLock("out");
  std::thread ending([&other] {
    std::this_thread::sleep_for(kShortWait);
    other.Close();
  });
  const FolderLock lock("out", {.timeout = kLongWait, .onWait = hear});
  ending.join();
  EXPECT_TRUE(Done(lock.Held()));
  EXPECT_EQ(told.size(), 1u);
  EXPECT_TRUE(Refused(FolderLock("out", {.timeout = milliseconds(0), .onWait = {}}).Held()));
}

// A lock file the user may not open (another user's, unreadable): refused, not run unlocked.
TEST(FolderLock, ALockFileThatCannotBeOpenedIsARefusal) {
  ScopedWorkDir dir;
  fs::permissions(dir.Path(), fs::perms::all);
  WriteFile(kLockFileName, "");
  fs::permissions(kLockFileName, fs::perms::none);
  EXPECT_TRUE(AsUnprivilegedUser([] { return static_cast<bool>(Refused(FolderLock("").Held())); }));
}

}  // namespace
}  // namespace kelvane::testing
