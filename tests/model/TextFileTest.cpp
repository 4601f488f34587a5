#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "support/FileFaults.h"
#include "support/OutcomeChecks.h"
#include "support/ScopedWorkDir.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using testing::AsUnprivilegedUser;
using testing::Done;
using testing::FileSizeLimit;
using testing::Refused;
using testing::ReadFile;
using testing::ScopedWorkDir;
using testing::WriteFile;

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

constexpr rlim_t kSmallLimit = 64;
const std::string kOldContent = "old line\r\n";
const std::string kTooLong(4 * kSmallLimit, 'x');

TEST(WriteFileReplacing, CreatesAndReplacesLeavingNoTemporaryFile) {
  ScopedWorkDir dir;
  ASSERT_TRUE(Done(WriteFileReplacing("out.txt", "first, longer content\r\n")));
  ASSERT_TRUE(Done(WriteFileReplacing("out.txt", "second\r\n")));
  EXPECT_EQ(ReadFile("out.txt"), "second\r\n");
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"out.txt"});
}

TEST(WriteFileReplacing, KeepsThePermissionsAndFollowsALink) {
  ScopedWorkDir dir;
  WriteFile("real.cfg", kOldContent);
  fs::permissions("real.cfg", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real.cfg", "link.cfg");
  ASSERT_TRUE(Done(WriteFileReplacing("link.cfg", "new\r\n")));
  EXPECT_TRUE(fs::is_symlink("link.cfg"));
  EXPECT_EQ(ReadFile("real.cfg"), "new\r\n");
  EXPECT_EQ(fs::status("real.cfg").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The user's own links: a chain of them, one into a subfolder, and one whose file does not exist yet, for
// both writers; a loop is refused with nothing written.
TEST(Writers, FollowTheUsersOwnLinksToTheEnd) {
  ScopedWorkDir dir;
  fs::create_directory("sub");
  fs::create_symlink("sub/real.txt", "sub-link");
  fs::create_symlink("sub-link", "chain");
  fs::create_symlink("../new.txt", "sub/to-new");
  for (const char* link : {"chain", "sub/to-new"}) {
    SCOPED_TRACE(link);
    ASSERT_TRUE(Done(WriteFileReplacing(link, "new\r\n")));
    ASSERT_TRUE(Done(AppendToFile(link, "more\r\n")));
  }
  EXPECT_EQ(ReadFile("sub/real.txt"), "new\r\nmore\r\n");
  EXPECT_EQ(ReadFile("new.txt"), "new\r\nmore\r\n");
  EXPECT_TRUE(fs::is_symlink("chain") && fs::is_symlink("sub-link") && fs::is_symlink("sub/to-new"));

  fs::create_symlink("loop-b", "loop-a");
  fs::create_symlink("loop-a", "loop-b");
  EXPECT_TRUE(Refused(WriteFileReplacing("loop-a", "x")));
  EXPECT_TRUE(Refused(AppendToFile("loop-a", "x")));
  EXPECT_EQ(FolderEntries(dir.Path()).size(), 6u);
}

TEST(WriteFileReplacing, FailsCleanlyWhereItCannotWrite) {
  ScopedWorkDir dir;
  fs::create_directory("folder");
  EXPECT_TRUE(Refused(WriteFileReplacing("folder", "text")));
  EXPECT_TRUE(fs::is_directory("folder"));
  EXPECT_TRUE(WriteFileReplacing("missing/out.txt", "text").IsRefused());
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"folder"});
}

TEST(WriteFileReplacing, KeepsTheOldFileWhenTheDiskIsFull) {
  ScopedWorkDir dir;
  WriteFile("out.txt", kOldContent);
  {
    FileSizeLimit limit(kSmallLimit);
    EXPECT_TRUE(Refused(WriteFileReplacing("out.txt", kTooLong)));
  }
  EXPECT_EQ(ReadFile("out.txt"), kOldContent);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"out.txt"});
}

TEST(WriteFileReplacing, KeepsTheOldFileInAReadOnlyFolder) {
  ScopedWorkDir dir;
  WriteFile("out.txt", kOldContent);
  const auto readAndEnter = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                            fs::perms::others_exec | fs::perms::group_read | fs::perms::group_exec;
  fs::permissions(dir.Path(), readAndEnter);
  EXPECT_TRUE(AsUnprivilegedUser([] { return WriteFileReplacing("out.txt", "new").IsRefused(); }));
  EXPECT_EQ(ReadFile("out.txt"), kOldContent);
}

TEST(WriteFileReplacing, LeavesAReadOnlyFileAlone) {
  ScopedWorkDir dir;
  fs::permissions(dir.Path(), fs::perms::all);
  WriteFile("out.txt", kOldContent);
  fs::permissions("out.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(AsUnprivilegedUser([] { return bool(Refused(WriteFileReplacing("out.txt", "new"))); }));
  EXPECT_EQ(ReadFile("out.txt"), kOldContent);
}

TEST(WriteFileReplacing, RefusesADeviceAndLeavesItInPlace) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_TRUE(Refused(WriteFileReplacing("/dev/full", "text")));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(AppendToFile, CreatesThenAppends) {
  ScopedWorkDir dir;
  ASSERT_TRUE(Done(AppendToFile("log.txt", "a\r\n")));
  ASSERT_TRUE(Done(AppendToFile("log.txt", "b\r\n")));
  EXPECT_EQ(ReadFile("log.txt"), "a\r\nb\r\n");
}

TEST(AppendToFile, LeavesTheFileAsItWasWhenAWriteFails) {
  ScopedWorkDir dir;
  WriteFile("log.txt", kOldContent);
  {
    FileSizeLimit limit(kSmallLimit);
    EXPECT_TRUE(AppendToFile("log.txt", kTooLong).IsRefused());
    EXPECT_TRUE(AppendToFile("new.txt", kTooLong).IsRefused());
  }
  EXPECT_EQ(ReadFile("log.txt"), kOldContent);
  EXPECT_FALSE(fs::exists("new.txt"));
}

TEST(AppendToFile, FailsOnAFolderAndOnAFullDevice) {
  ScopedWorkDir dir;
  fs::create_directory("folder");
  EXPECT_TRUE(Refused(AppendToFile("folder", "text")));
  if (fs::exists("/dev/full")) {
    EXPECT_TRUE(AppendToFile("/dev/full", "text").IsRefused());
  }
}

TEST(ReadWholeFile, ReadsEveryByte) {
  ScopedWorkDir dir;
  const std::string content = std::string("a\r\n\0b\xc4\xb1\r\n", 8);
  WriteFile("in.cfg", content);
  std::string read;
  ASSERT_TRUE(Done(ReadWholeFile("in.cfg", read)));
  EXPECT_EQ(read, content);
  ASSERT_TRUE(Done(ReadWholeFile("in.cfg", read, content.size())));
  EXPECT_EQ(read, content);
}

TEST(ReadWholeFile, FailsCleanlyAndLeavesTheContentAlone) {
  ScopedWorkDir dir;
  fs::create_directory("folder");
  WriteFile("big.cfg", "0123456789");
  std::string read = "unchanged";
  // The reasons are told in the window's language.
  EXPECT_EQ(ReadWholeFile("missing.cfg", read).Message(), "böyle bir dosya ya da klasör yok");
  EXPECT_EQ(ReadWholeFile("folder", read).Message(), "bu bir klasör");
  EXPECT_EQ(ReadWholeFile("big.cfg", read, 9).Message(), "dosya çok büyük");
  if (fs::exists("/dev/zero")) {
    EXPECT_EQ(ReadWholeFile("/dev/zero", read).Message(), "olağan bir dosya değil");
  }
  EXPECT_EQ(read, "unchanged");
}

TEST(ReadWholeFile, FailsOnAnUnreadableFile) {
  ScopedWorkDir dir;
  fs::permissions(dir.Path(), fs::perms::all);
  WriteFile("secret.cfg", kOldContent);
  fs::permissions("secret.cfg", fs::perms::none);
  EXPECT_TRUE(AsUnprivilegedUser([] {
    std::string read;
    return ReadWholeFile("secret.cfg", read).IsRefused();
  }));
}

}  // namespace
}  // namespace kelvane
