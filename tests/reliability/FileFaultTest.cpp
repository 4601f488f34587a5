// The report and the configuration files when the file system says no: every failure is explained in a
// message naming the file, and a file saved earlier keeps every byte.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

#include "solver/Report.h"
#include "support/FileFaults.h"
#include "testkit/ResultChecks.h"
#include "ui/StartedForm.h"

namespace kelvane::ui::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr const char* kDeviceFull = "/dev/full";
constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;
constexpr auto kReadForAll = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kReadAndEnterForAll =
    kReadForAll | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
using kelvane::testing::AsUnprivilegedUser;
using kelvane::testing::FileSizeLimit;
using kelvane::testing::FolderEntries;
using kelvane::testing::kNobody;
using reliability::IsClearMessage;

class FileFaults : public StartedForm {
 protected:
  // A solution, so that a report and a saved configuration exist before the fault.
  void SolveOnce() {
    const auto shown = form.Messages().size();
    form.PLL.Click();
    ASSERT_THAT(MessagesSince(shown), ::testing::IsEmpty());
  }

  // The messages shown since `from`, joined, for matching.
  std::string ShownSince(std::size_t from) const {
    std::string joined;
    for (const auto& message : MessagesSince(from)) joined += message + "\n";
    return joined;
  }

  // The checks of a fault run as a user whom permissions bind (a child process when this is root), so
  // the results reach the test as one answer: did every expectation hold?
  bool Explained(std::size_t shown, const char* fileName) const {
    return ShownSince(shown).find(fileName) != std::string::npos;
  }
};

TEST_F(FileFaults, AnUnwritableWorkingFolderStopsThePlanformWithAMessage) {
  SolveOnce();
  const std::string report = ReadFile(kReportFileName);
  const std::string saved = ReadFile(kLastConfigFileName);
  fs::permissions(workDir.Path(), kReadAndEnterForAll);
  const auto shown = form.Messages().size();

  EXPECT_TRUE(AsUnprivilegedUser([&] {
    form.Cmd_Planform.Click();
    form.PLL.Click();
    return Explained(shown, kReportFileName) && Explained(shown, "Önce üst-görünüm hesabını yapınız");
  }));
  EXPECT_EQ(ReadFile(kReportFileName), report);
  EXPECT_EQ(ReadFile(kLastConfigFileName), saved);
}

TEST_F(FileFaults, AReadOnlyReportRefusesTheSolutionsSectionsAndKeepsItsBytes) {
  SolveOnce();
  fs::permissions(workDir.Path(), fs::perms::all);
  fs::permissions(kReportFileName, kReadForAll);
  const std::string report = ReadFile(kReportFileName);
  const auto shown = form.Messages().size();

  EXPECT_TRUE(AsUnprivilegedUser([&] {
    form.PLL.Click();
    return Explained(shown, kReportFileName);
  }));
  EXPECT_EQ(ReadFile(kReportFileName), report);
}

TEST_F(FileFaults, AReadOnlySavedConfigurationIsNotReplaced) {
  SolveOnce();
  fs::permissions(workDir.Path(), fs::perms::all);
  fs::permissions(kLastConfigFileName, kReadForAll);
  const std::string saved = ReadFile(kLastConfigFileName);
  const auto shown = form.Messages().size();

  EXPECT_TRUE(AsUnprivilegedUser([&] {
    form.Text_AlfaK.SetText("5");
    form.PLL.Click();
    return Explained(shown, kLastConfigFileName);
  }));
  EXPECT_EQ(ReadFile(kLastConfigFileName), saved);
}

// A folder where a file is expected: the commands explain, and the folder and its contents stay.
TEST_F(FileFaults, AFolderInPlaceOfAFileIsExplainedAndLeftAlone) {
  struct Case {
    const char* name;
    bool solves;  // the solution itself completes; only the file is refused
  };
  for (const Case& c : {Case{kReportFileName, false}, Case{kLastConfigFileName, true}}) {
    SCOPED_TRACE(c.name);
    fs::remove(c.name);
    fs::create_directory(c.name);
    WriteFile(fs::path(c.name) / "kept", "kept");
    const auto shown = form.Messages().size();

    form.Cmd_Planform.Click();
    form.PLL.Click();

    EXPECT_THAT(ShownSince(shown), HasSubstr(c.name));
    EXPECT_EQ(form.Record().PlanformDone, c.solves);
    EXPECT_EQ(ReadFile(fs::path(c.name) / "kept"), "kept");
    fs::remove_all(c.name);
  }
}

// Broken configuration files: each read is refused with a message naming the file, neither it nor the
// configuration saved earlier changes, and the planform stays usable.
TEST_F(FileFaults, ABrokenConfigurationFileIsRefusedAndNothingSavedIsLost) {
  SolveOnce();
  const std::string saved = ReadFile(kLastConfigFileName);
  const std::pair<const char*, std::string> broken[] = {
      {"empty.cfg", ""},
      {"binary.cfg", std::string("\x7f"
                                 "ELF\x02\x01\x01\0\0\0\xff\xfe\r\n\x01",
                                 16)},
      {"huge.cfg", std::string(kTenMegabytes, '1')},
      {"cut-off.cfg", " 10 \r\n 10 \r\n 1 \r\n 10 \r\nTrue\r\nFalse\r\n 0 \r\n 6.2"},
      {"controls.cfg", std::string("1\0\x1b[2J", 6) + std::string(20 * 1024, '\x1b') + "\r\n"},
  };
  for (const auto& [name, content] : broken) {
    SCOPED_TRACE(name);
    WriteFile(name, content);
    const auto shown = form.Messages().size();
    form.ConfigFileName = name;

    EXPECT_FALSE(form.ReadAnExistingConfig_from_aFile());

    EXPECT_THAT(ShownSince(shown), HasSubstr(name));
    for (const std::string& message : MessagesSince(shown)) EXPECT_TRUE(IsClearMessage(message)) << message;
    EXPECT_EQ(ReadFile(name), content);
    EXPECT_EQ(ReadFile(kLastConfigFileName), saved);
  }
  form.Cmd_Planform.Click();
  SolveOnce();
}

// A device that takes no bytes, named directly or through a link named as the saved configuration.
TEST_F(FileFaults, ASaveToAFullDeviceIsExplained) {
  if (!fs::exists(kDeviceFull)) GTEST_SKIP() << kDeviceFull << " is not there";
  fs::create_symlink(kDeviceFull, kLastConfigFileName);
  auto shown = form.Messages().size();
  form.PLL.Click();
  EXPECT_THAT(ShownSince(shown), HasSubstr(kLastConfigFileName));
  EXPECT_TRUE(fs::is_symlink(kLastConfigFileName));

  shown = form.Messages().size();
  form.ConfigFileName = kDeviceFull;
  EXPECT_FALSE(form.WriteExistingConfig_in_aFile());
  EXPECT_THAT(ShownSince(shown), HasSubstr(kDeviceFull));
}

// A shared sticky folder such as /tmp, where anyone may add a file: a symbolic link there is written
// through only when it belongs to the user writing ("nobody") or to the folder's owner (root), whatever
// the kernel's own protection is set to. The links aim at a file in a folder of the user's own.
TEST_F(FileFaults, ALinkIsFollowedOnlyWhenTheUserOrTheFolderOwnerMadeIt) {
  if (geteuid() != 0) GTEST_SKIP() << "planting another user's link takes root";
  constexpr uid_t kOtherUser = kNobody - 1;
  constexpr uid_t kRoot = 0;
  constexpr const char* kVictim = "home/victim";
  constexpr const char* kVictimContent = "the user's own";
  fs::remove(kReportFileName);
  fs::permissions(workDir.Path(), fs::perms::all | fs::perms::sticky_bit);
  fs::create_directory("home");
  ASSERT_EQ(chown("home", kNobody, kNobody), 0);

  struct Case {
    const char* link;
    uid_t owner;
    bool followed;
  };
  for (const Case& c : {Case{kReportFileName, kOtherUser, false}, Case{kLastConfigFileName, kOtherUser, false},
                        Case{kReportFileName, kNobody, true}, Case{kLastConfigFileName, kRoot, true}}) {
    SCOPED_TRACE(std::string(c.link) + " by " + std::to_string(c.owner));
    WriteFile(kVictim, kVictimContent);
    ASSERT_EQ(chown(kVictim, kNobody, kNobody), 0);
    fs::create_symlink(kVictim, c.link);
    ASSERT_EQ(lchown(c.link, c.owner, c.owner), 0);
    const auto shown = form.Messages().size();

    EXPECT_TRUE(AsUnprivilegedUser([&] {
      form.Cmd_Planform.Click();
      form.PLL.Click();
      return Explained(shown, c.link) != c.followed;
    }));
    EXPECT_TRUE(fs::is_symlink(c.link));
    if (c.followed) {
      EXPECT_NE(ReadFile(kVictim), kVictimContent);
    } else {
      EXPECT_EQ(ReadFile(kVictim), kVictimContent);
      EXPECT_EQ(FolderEntries("home"), std::set<std::string>{"victim"});
    }
    for (const char* name : {kReportFileName, kLastConfigFileName}) fs::remove(name);
  }
}

TEST_F(FileFaults, AWriteCutShortKeepsTheEarlierFileWhole) {
  struct Case {
    const char* cutFile;
    rlim_t extraBytes;  // allowed beyond the current size of the report
  };
  constexpr rlim_t kFewBytes = 10;
  for (const Case& c : {Case{kReportFileName, kFewBytes}, Case{kLastConfigFileName, 0}}) {
    SCOPED_TRACE(c.cutFile);
    SolveOnce();
    const std::string before = ReadFile(c.cutFile);
    const auto shown = form.Messages().size();
    // The saved configuration is shorter than the report, so a limit at the report's size lets the
    // configuration through; a limit below the configuration's size cuts it.
    const rlim_t limit = c.extraBytes ? ReadFile(kReportFileName).size() + c.extraBytes : before.size() / 2;
    {
      FileSizeLimit cut(limit);
      form.Text_AlfaK.SetText("5");
      form.PLL.Click();
    }

    EXPECT_THAT(ShownSince(shown), HasSubstr(c.cutFile));
    EXPECT_EQ(ReadFile(c.cutFile), before);
    form.Text_AlfaK.SetText("10");
    form.Cmd_Planform.Click();
  }
}

}  // namespace
}  // namespace kelvane::ui::testing
