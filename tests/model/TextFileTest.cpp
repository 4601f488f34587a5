// Tests of whole-file writes and reads, links and faults included.
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/TemporaryFiles.h"

#include "support/FileFaults.h"
#include "support/OutcomeChecks.h"
#include "support/ScopedWorkDir.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using testing::AsUnprivilegedUser;
using testing::Done;
using testing::FileSizeLimit;
using testing::ReadFile;
using testing::Refused;
using testing::ScopedWorkDir;
using testing::WriteFile;

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

// Both writers, for the rules they share.
using Writer = Outcome (*)(const std::string&, const std::string&);
constexpr std::pair<const char*, Writer> kWriters[] = {{"replacing", WriteFileReplacing}, {"appending", AppendToFile}};

constexpr rlim_t kSmallLimit = 64;
const std::string kOldContent = "old line\r\n";
const std::string kTooLong(4 * kSmallLimit, 'x');

// The temporary file's name does not grow with the file's: the longest name a folder takes works.
TEST(WriteFileReplacing, CreatesAndReplacesLeavingNoTemporaryFile) {
  ScopedWorkDir dir;
  const std::string longest(NAME_MAX, 'n');
  ASSERT_TRUE(Done(WriteFileReplacing(longest, "first, longer content\r\n")));
  ASSERT_TRUE(Done(WriteFileReplacing(longest, "second\r\n")));
  EXPECT_EQ(ReadFile(longest), "second\r\n");
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{longest});
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

// A shared sticky folder (root's) with a folder of the user "nobody" in it: a link anywhere on the path,
// not only at its end, is followed only when the user writing (root here) or the owner of the link's own
// folder made it. Another user's link to nobody's folder must not lead a write into it.
TEST(Writers, FollowALinkOnTheWayOnlyWhenTheUserOrItsFoldersOwnerMadeIt) {
  if (geteuid() != 0) GTEST_SKIP() << "planting another user's link takes root";
  constexpr uid_t kOtherUser = testing::kNobody - 1;
  ScopedWorkDir dir;
  fs::permissions(dir.Path(), fs::perms::all | fs::perms::sticky_bit);
  fs::create_directory("home");
  ASSERT_EQ(chown("home", testing::kNobody, testing::kNobody), 0);
  const auto plant = [](const char* target, const char* link, uid_t owner) {
    fs::create_symlink(target, link);
    ASSERT_EQ(lchown(link, owner, owner), 0);
  };
  plant("home", "planted", kOtherUser);
  plant("planted", "mine-to-planted", 0);
  plant(".", "home/planted-inside", kOtherUser);
  plant("home", "mine", 0);
  plant(".", "home/owners", testing::kNobody);

  struct Case {
    const char* path;
    bool followed;
  };
  for (const Case& c : {Case{"planted/victim", false}, Case{"mine-to-planted/victim", false},
                        Case{"home/planted-inside/victim", false}, Case{"mine/planted-inside/victim", false},
                        Case{"mine/victim", true}, Case{"mine/owners/owners/victim", true}}) {
    for (const auto& [writerName, writer] : kWriters) {
      SCOPED_TRACE(std::string(c.path) + ", " + writerName);
      WriteFile("home/victim", kOldContent);
      EXPECT_EQ(writer(c.path, "new\r\n").IsRefused(), !c.followed);
      EXPECT_EQ(ReadFile("home/victim") == kOldContent, !c.followed);
      EXPECT_EQ(testing::FolderEntries("home"), (std::set<std::string>{"owners", "planted-inside", "victim"}));
    }
  }
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

// Special files take the content where they are, never replaced: devices, a FIFO being read, and a file
// named through a descriptor's link (as /dev/stdout names standard output), whose own writes go on after
// the content. A FIFO no one reads is refused at once, not waited on; /dev/full's refusal is reported.
TEST(Writers, WriteSpecialFilesInPlace) {
  ScopedWorkDir dir;
  ASSERT_EQ(mkfifo("fifo", 0600), 0);
  const int reader = open("fifo", O_RDONLY | O_NONBLOCK);
  ASSERT_EQ(mkfifo("unread", 0600), 0);
  const int redirected = open("redirected.txt", O_WRONLY | O_CREAT, 0600);
  ASSERT_EQ(write(redirected, "old\n", 4), 4);
  const std::string throughDescriptor = "/dev/fd/" + std::to_string(redirected);
  struct stat before {};
  ASSERT_EQ(stat("redirected.txt", &before), 0);

  struct Case {
    std::string path;
    bool written;
  };
  std::vector<Case> cases{{"/dev/null", true}, {"fifo", true}, {throughDescriptor, true}, {"unread", false}};
  if (fs::exists("/dev/full")) cases.push_back({"/dev/full", false});
  for (const Case& c : cases) {
    for (const auto& [writerName, writer] : kWriters) {
      SCOPED_TRACE(c.path + ", " + writerName);
      const auto type = fs::status(c.path).type();
      EXPECT_EQ(writer(c.path, "new\n").IsRefused(), !c.written);
      EXPECT_EQ(fs::status(c.path).type(), type);
    }
  }
  std::array<char, 16> got{};
  EXPECT_EQ(std::string(got.data(), read(reader, got.data(), got.size())), "new\nnew\n");
  struct stat after {};
  ASSERT_EQ(stat("redirected.txt", &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  ASSERT_EQ(write(redirected, "end\n", 4), 4);
  EXPECT_EQ(ReadFile("redirected.txt"), "old\nnew\nnew\nend\n");
  EXPECT_EQ(testing::FolderEntries(dir.Path()), (std::set<std::string>{"fifo", "redirected.txt", "unread"}));
  close(reader);
  close(redirected);
}

// Temporary files of runs that were killed, named as this version and as earlier ones named them, are
// cleared by the next write into their folder; a live process's, another file's and a folder stay.
TEST(Writers, RemoveTemporaryFilesOfEndedRunsOnly) {
  ScopedWorkDir dir;
  const pid_t child = fork();  // its number names no process once it has ended, for a while at least
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string ended = std::to_string(child);
  const std::string kept[] = {".kelvane-1-0.tmp", "other.txt." + ended + "-0.tmp", "out.txt.x" + ended + "-0.tmp"};
  for (const auto& [writerName, writer] : kWriters) {
    SCOPED_TRACE(writerName);
    for (const std::string& name : kept) WriteFile(name, "kept");
    for (const std::string& name : {TemporaryName(child, 7), "out.txt." + ended + "-0.tmp"})
      WriteFile(name, "left by a kill");
    fs::create_directory(TemporaryName(child, 8));

    ASSERT_TRUE(Done(writer("out.txt", "new\r\n")));
    std::set<std::string> expected(std::begin(kept), std::end(kept));
    expected.insert({"out.txt", TemporaryName(child, 8)});
    EXPECT_EQ(testing::FolderEntries(dir.Path()), expected);
  }
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
