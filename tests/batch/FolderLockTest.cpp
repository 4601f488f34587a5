// The folder lock: it never hangs on something planted in the lock file's place, it waits a bounded time
// for another run and says so once, and a lock it cannot take is a refusal.
#include "batch/FolderLock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/MessageText.h"
#include "support/FileFaults.h"
#include "support/OutcomeChecks.h"
#include "support/ScopedWorkDir.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using batch::FolderLock;
using batch::kLockFileName;
using batch::LockWaiting;
using std::chrono::milliseconds;

constexpr milliseconds kShortWait{300};
constexpr milliseconds kLongWait{20000};
constexpr auto kReadAndEnterForAll = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

// Another run's hold on the folder's lock: a lock on a descriptor of its own.
class OtherRun {
 public:
  explicit OtherRun(const fs::path& folder) : fd_(open((folder / kLockFileName).c_str(), O_RDONLY | O_CREAT, 0644)) {
    EXPECT_EQ(flock(fd_, LOCK_EX), 0);
  }
  ~OtherRun() { close(fd_); }
  OtherRun(const OtherRun&) = delete;
  OtherRun& operator=(const OtherRun&) = delete;

 private:
  int fd_;
};

TEST(FolderLock, RefusesAtOnceWhatIsNoRegularFileAndLeavesItThere) {
  ScopedWorkDir dir;
  struct Case {
    const char* what;
    void (*plant)();
    fs::file_type type;
  };
  const Case cases[] = {
      {"FIFO", [] { ASSERT_EQ(mkfifo(kLockFileName, 0666), 0); }, fs::file_type::fifo},
      {"link", [] { fs::create_symlink("elsewhere", kLockFileName); }, fs::file_type::symlink},
      {"folder", [] { fs::create_directory(kLockFileName); }, fs::file_type::directory},
  };
  for (const Case& c : cases) {
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
    const OtherRun other("out");
    const auto start = std::chrono::steady_clock::now();
    const FolderLock lock("out", waiting);
    EXPECT_GE(std::chrono::steady_clock::now() - start, kShortWait);
    EXPECT_EQ(lock.Held().Message(),
              "gave up waiting for another kelvane-solve run in " + folder + " after 0.3 s");
  }
  EXPECT_THAT(told, ElementsAre("waiting for another kelvane-solve run in " + folder));

  told.clear();
  std::optional<OtherRun> other("out");
  std::thread ending([&other] {
    std::this_thread::sleep_for(kShortWait);
    other.reset();
  });
  const FolderLock lock("out", {.timeout = kLongWait, .onWait = hear});
  ending.join();
  EXPECT_TRUE(Done(lock.Held()));
  EXPECT_EQ(told.size(), 1u);
  EXPECT_TRUE(Refused(FolderLock("out", {.timeout = milliseconds(0), .onWait = {}}).Held()));
}

// Another user's unreadable lock file, and a folder that takes no new file: refused, not run unlocked.
TEST(FolderLock, ALockFileThatCannotBeOpenedIsARefusal) {
  ScopedWorkDir dir;
  fs::permissions(dir.Path(), fs::perms::all);
  fs::create_directories("private/empty");
  WriteFile(fs::path("private") / kLockFileName, "");
  fs::permissions(fs::path("private") / kLockFileName, fs::perms::none);
  fs::permissions("private/empty", kReadAndEnterForAll);
  fs::permissions("private", fs::perms::all);
  EXPECT_TRUE(AsUnprivilegedUser([] {
    return Refused(FolderLock("private").Held()) && Refused(FolderLock("private/empty").Held());
  }));
  EXPECT_EQ(FolderEntries("private/empty"), std::set<std::string>{});
}

}  // namespace
}  // namespace kelvane::testing
