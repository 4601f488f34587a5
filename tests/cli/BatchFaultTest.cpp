// kelvane-solve when its input or its surroundings fail it: each run ends with status 1 (2 for a bad
// command line) and one clear message, and what earlier runs saved stays as it was.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include "cli/SolveProcess.h"
#include "model/MessageText.h"
#include "support/ScopedWorkDir.h"
#include "ui/Form_Wing.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr const char* kReport = "PLL.txt";
constexpr const char* kWing = "wing.cfg";

// The start-up wing with its lines as given, " 10 " for the area first.
std::string WingFile(const std::string& area = " 10 ", const std::string& twist = " 0 ") {
  return area + "\r\n 10 \r\n 1 \r\n 10 \r\nTrue\r\nFalse\r\n" + twist +
         "\r\n 6.28318530717959 \r\n 0 \r\n 6.28318530717959 \r\n 0 \r\n 0 \r\n 10 \r\n";
}

// One line, short, and with no byte a terminal would act on.
bool IsOneClearLine(const std::string& err) {
  if (err.empty() || err.back() != '\n' || err.size() > kMaxMessageBytes) return false;
  return std::none_of(err.begin(), err.end() - 1,
                      [](char c) { return static_cast<unsigned char>(c) < ' ' || c == '\x7f'; });
}

class BatchFaults : public ::testing::Test {
 protected:
  // A first run that succeeds, so that there are earlier files to keep.
  void SetUp() override {
    WriteFile(kWing, WingFile());
    const ProcessResult first = RunSolve({kWing}, workDir_.Path());
    ASSERT_EQ(first.status, 0) << first.err;
    report_ = ReadFile(kReport);
    lastConfig_ = ReadFile(ui::kLastConfigFileName);
  }

  void ExpectEarlierFilesKept() const {
    EXPECT_EQ(ReadFile(kReport), report_);
    EXPECT_EQ(ReadFile(ui::kLastConfigFileName), lastConfig_);
  }

  ScopedWorkDir workDir_;
  std::string report_;
  std::string lastConfig_;
};

TEST_F(BatchFaults, BadCommandLinesSayWhatIsWrong) {
  struct Case {
    std::vector<std::string> args;
    const char* reason;
  };
  const Case cases[] = {
      {{""}, "the configuration file name is empty"},
      {{"--sweep", "0:1e9:1", kWing}, "at most 10000 points"},
      {{"--sweep", "1:0:1", kWing}, "the range is empty"},
      {{"--sweep", "0:1:0", kWing}, "STEP must be positive"},
      {{std::string("--\x1b[2J") + std::string(20 * 1024, 'x'), kWing}, "unknown option"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    const ProcessResult result = RunSolve(c.args, workDir_.Path());
    EXPECT_EQ(result.status, 2);
    const std::string firstLine = result.err.substr(0, result.err.find('\n') + 1);
    EXPECT_THAT(firstLine, HasSubstr(c.reason));
    EXPECT_TRUE(IsOneClearLine(firstLine)) << firstLine.substr(0, kMaxMessageBytes);
    EXPECT_EQ(result.out, "");
    ExpectEarlierFilesKept();
  }
}

// Two panels' data after the given panel count.
std::string TwoPanelFile(const std::string& count) {
  return " 10 \r\n 10 \r\n 1 \r\n 10 \r\nFalse\r\nTrue\r\n" + count +
         "\r\n 1 \r\n 1 \r\n .8 \r\n .6 \r\n"
         " 0 \r\n 6.28318530717959 \r\n 0 \r\n 6.28318530717959 \r\n 0 \r\n 0 \r\n 10 \r\n";
}

// A decimal comma splits the twist in two and shifts every later value; a panel count of 1 before two
// panels' data leaves the last values over.
TEST_F(BatchFaults, ValuesLeftOverInTheFileAreRefusedAtTheirLine) {
  const std::string twoPanels = TwoPanelFile(" 1 ");
  struct Case {
    const char* name;
    std::string content;
    const char* message;  // after the folder
  };
  const Case cases[] = {
      {"comma.cfg", WingFile(" 10 ", " 1,5 "), "comma.cfg dosyasının 13. satırında fazla değer var: \"10\"\n"},
      {"panels.cfg", twoPanels, "panels.cfg dosyasının 17. satırında fazla değer var: \"0\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.name, c.content);
    const ProcessResult result = RunSolve({c.name}, workDir_.Path());
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.ends_with(c.message)) << result.err;
    EXPECT_TRUE(IsOneClearLine(result.err)) << result.err;
    ExpectEarlierFilesKept();
  }
}

// Start-up's report of the window's own wing never reaches the disk: a run refused anywhere before its
// first solution leaves the files of the run before it as they were.
TEST_F(BatchFaults, ARunRefusedBeforeItsFirstSolutionChangesNoFile) {
  WriteFile("half.cfg", TwoPanelFile(" 2.5 "));
  const std::vector<std::string> cases[] = {
      {"missing.cfg"},                                    // the file panel's read
      {"half.cfg"},                                       // the planform command at the end of the read
      {"--stations", "4", kWing},                         // the solve command
      {"--given-cl", "--sweep", "1e300:1e300:1", kWing},  // a polar's first point
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(args.front());
    const ProcessResult result = RunSolve(args, workDir_.Path());
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(IsOneClearLine(result.err)) << result.err;
    ExpectEarlierFilesKept();
  }
}

TEST_F(BatchFaults, AValueFullOfControlsIsQuotedShortAndEscaped) {
  WriteFile("hostile.cfg", std::string("1\0\x1b[2J", 6) + std::string(20 * 1024, '\x1b') + "\r\n");
  const ProcessResult result = RunSolve({"hostile.cfg"}, workDir_.Path());
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.err, HasSubstr("hostile.cfg dosyasının 1. satırı okunamadı: \"1\\x00\\x1B[2J\\x1B"));
  EXPECT_TRUE(IsOneClearLine(result.err)) << result.err.substr(0, kMaxMessageBytes);
}

TEST_F(BatchFaults, ResultsThatCannotBeWrittenEndWithStatus1) {
  const ChildSetUp fullDevice = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
  const ChildSetUp closed = [] { close(STDOUT_FILENO); };
  struct Case {
    const char* name;
    ChildSetUp setUp;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"full device", fullDevice, {kWing}},
      {"full device, long polar", fullDevice, {"--sweep", "-4:12:0.01", kWing}},
      {"closed", closed, {kWing}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProcessResult result = RunSolve(c.args, workDir_.Path(), c.setUp);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "kelvane-solve: the results could not be written to standard output\n");
  }
  // Only the output failed: the files hold the run's solutions, and no results went into another file.
  EXPECT_EQ(ReadFile(ui::kLastConfigFileName), lastConfig_);
  EXPECT_EQ(ReadFile(kReport), report_);
  EXPECT_EQ(FolderEntries(workDir_.Path()),
            (std::set<std::string>{kReport, ui::kLastConfigFileName, kWing, ".kelvane-solve.lock"}));
}

// Every output asked for comes before "PLL.txt" and "LastConfig.cfg" are replaced, and a run that ends any
// other way than well (a kill, a refused point, a file that cannot be written) leaves them as they were.
TEST_F(BatchFaults, TheFilesAreReplacedOnlyWhenTheRunEndsWell) {
  {
    // A long detailed sweep, killed while it writes its report.
    SolveProcess sweep({"--stations", "99", "--detail", "--sweep", "0:9999:1", kWing}, workDir_.Path());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sweep.Kill();
    EXPECT_EQ(sweep.Wait().status, -1);
    ExpectEarlierFilesKept();
  }
  const std::vector<std::string> cases[] = {
      {"--spanwise", "no/such/folder/stations.csv", kWing},
      {"--given-cl", "--sweep", "0:1e308:5e307", kWing},
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(args.front());
    EXPECT_EQ(RunSolve(args, workDir_.Path()).status, 1);
    ExpectEarlierFilesKept();
  }
}

// Another run holding the folder's lock is waited for, said once, and given up on after the timeout.
TEST_F(BatchFaults, ALockHeldTooLongEndsTheRun) {
  const int lock = open((workDir_.Path() / ".kelvane-solve.lock").c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(flock(lock, LOCK_EX), 0);
  const ProcessResult result = RunSolve({"--lock-timeout", "0.2", kWing}, workDir_.Path());
  close(lock);
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.err, HasSubstr("waiting for another kelvane-solve run in"));
  ExpectEarlierFilesKept();
}

// The shipped program under a real `ulimit -f`, with the signal's default action as a shell leaves it.
TEST_F(BatchFaults, AFileSizeLimitIsReportedAndTheReportKept) {
  // Below the start-up report's four lines, above the message that explains the failure.
  constexpr rlim_t kLimitBytes = 64;
  const auto before = FolderEntries(workDir_.Path());
  const ProcessResult result = RunSolve({kWing}, workDir_.Path(), [] {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{kLimitBytes, kLimitBytes};
    setrlimit(RLIMIT_FSIZE, &limit);
  });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "PLL.txt dosyasına yazılamadı: dosya çok büyük\n");
  ExpectEarlierFilesKept();
  EXPECT_EQ(FolderEntries(workDir_.Path()), before);  // no temporary file left behind
}

// Runs started at once in one folder take turns: the report holds one run's summary and that run's
// results, and the saved configuration is that same run's.
TEST(ConcurrentRuns, KeepEachRunsReportBlocksTogether) {
  constexpr int kRounds = 2;
  const std::vector<std::string> areas = {" 10 ", " 20 ", " 30 ", " 40 "};
  const std::vector<std::string> options = {"--stations", "41", "--detail", "--sweep", "0:10:1"};
  std::set<std::pair<std::string, std::string>> alone;  // (report, saved configuration) of each wing
  ScopedWorkDir shared;
  for (const std::string& area : areas) {
    ScopedWorkDir own;
    WriteFile(kWing, WingFile(area));
    std::vector<std::string> args = options;
    args.push_back(kWing);
    ASSERT_EQ(RunSolve(args, own.Path()).status, 0);
    alone.insert({ReadFile(kReport), ReadFile(ui::kLastConfigFileName)});
  }

  // Every wing file is written before the first run starts: a file written again while a run reads it
  // would be the test's fault, not the runs'.
  std::vector<std::string> names;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    names.push_back("wing" + std::to_string(i) + ".cfg");
    WriteFile(shared.Path() / names.back(), WingFile(areas[i]));
  }
  std::vector<std::unique_ptr<SolveProcess>> runs;
  for (int round = 0; round < kRounds; ++round) {
    for (const std::string& name : names) {
      std::vector<std::string> args = options;
      args.push_back(name);
      runs.push_back(std::make_unique<SolveProcess>(args, shared.Path()));
    }
  }
  for (const auto& run : runs) {
    const ProcessResult result = run->Wait();
    EXPECT_EQ(result.status, 0) << result.err;
  }

  const std::pair<std::string, std::string> together{ReadFile(shared.Path() / kReport),
                                                     ReadFile(shared.Path() / ui::kLastConfigFileName)};
  EXPECT_EQ(alone.count(together), 1u) << together.first;
}

}  // namespace
}  // namespace kelvane::testing
