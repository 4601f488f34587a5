// The batch session's own promises: its files go to the output folder it is given, a sweep writes them once
// at its end, and a sweep ends at the first point the form refuses or where its listener says so.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "batch/BatchSession.h"
#include "support/ScopedWorkDir.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kExample = fs::path(KELVANE_EXAMPLES_DIR) / "04-two-panels-twist-detail";

// The example's own options: 21 stations, the detailed report.
batch::SessionSettings ExampleSettings(const fs::path& outputFolder) {
  return {.stations = "21", .inputs = {}, .givenCL = false, .detail = true, .outputFolder = outputFolder};
}

TEST(BatchSession, WritesTheFormsFilesToItsOutputFolderOnly) {
  ScopedWorkDir workDir;
  fs::create_directory("out");
  batch::BatchSession session(ExampleSettings("out"), (kExample / "input.cfg").string());
  ASSERT_TRUE(session.Solve()) << session.Refusal().Message();
  EXPECT_FALSE(fs::exists("out/PLL.txt")) << "written before the caller's outputs";
  ASSERT_TRUE(session.WriteFiles()) << session.Refusal().Message();

  EXPECT_EQ(ReadFile("out/PLL.txt"), ReadFile(kExample / "PLL.txt"));
  EXPECT_EQ(ReadFile("out/LastConfig.cfg"), ReadFile(kExample / "LastConfig.cfg"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

// The folder's lock comes first, so that is where a folder that takes no file shows.
TEST(BatchSession, AMissingOutputFolderRefusesTheSession) {
  ScopedWorkDir workDir;
  batch::BatchSession session(ExampleSettings("missing"), (kExample / "input.cfg").string());
  ASSERT_TRUE(session.Refused());
  EXPECT_THAT(session.Refusal().Message(), HasSubstr("missing"));
  EXPECT_FALSE(session.Solve());
  EXPECT_FALSE(session.Sweep(std::vector<double>{1}, [](const batch::SweptPoint&) {
    ADD_FAILURE() << "a refused session solved a point";
    return false;
  }));
}

TEST(BatchSession, ASweepHandsOverThePointsBeforeTheFirstRefusalAndStopsThere) {
  ScopedWorkDir workDir;
  batch::SessionSettings settings = ExampleSettings({});
  settings.givenCL = true;
  batch::BatchSession session(settings, (kExample / "input.cfg").string());
  // A lift coefficient this large makes the induced drag overflow: the solve command refuses it.
  const std::vector<double> values{0.5, 1e300, 1};
  std::vector<double> solvedCL;
  const bool swept = session.Sweep(values, [&](const batch::SweptPoint& point) {
    solvedCL.push_back(point.point.CL);
    return true;
  });
  EXPECT_FALSE(swept);
  EXPECT_EQ(solvedCL, std::vector<double>{0.5});
  EXPECT_TRUE(session.Refused());
}

// What a session's sweep leaves in its output folder, which held an earlier "PLL.txt".
std::string FilesAfterSweep(const fs::path& folder, const std::vector<double>& values) {
  fs::create_directory(folder);
  WriteFile(folder / "PLL.txt", "earlier");
  batch::SessionSettings settings = ExampleSettings(folder);
  settings.givenCL = true;
  {
    batch::BatchSession session(settings, (kExample / "input.cfg").string());
    if (session.Sweep(values, [&](const batch::SweptPoint&) {
          EXPECT_EQ(ReadFile(folder / "PLL.txt"), "earlier") << "written before the run's end";
          return true;
        }))
      session.WriteFiles();
  }
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_NE(entry.path().extension(), ".tmp") << "a temporary file was left behind";
  return ReadFile(folder / "PLL.txt");
}

// The report is put in place when the run ends well, and only then.
TEST(BatchSession, ASweepWritesItsFilesOnlyWhenItEndsWell) {
  ScopedWorkDir workDir;
  EXPECT_THAT(FilesAfterSweep("whole", {0.2, 0.5, 1}), HasSubstr("CL  =  1 "));
  EXPECT_EQ(FilesAfterSweep("refused", {0.2, 1e300, 1}), "earlier");
}

TEST(BatchSession, AListenerThatHasHeardEnoughEndsTheSweepWithoutARefusal) {
  ScopedWorkDir workDir;
  batch::BatchSession session(ExampleSettings({}), (kExample / "input.cfg").string());
  int heard = 0;
  EXPECT_TRUE(session.Sweep(std::vector<double>{1, 2, 3}, [&](const batch::SweptPoint&) { return ++heard < 2; }));
  EXPECT_EQ(heard, 2);
  EXPECT_FALSE(session.Refused());
}

// The folder's full path is gone with it; the file named relative to it is missing, and the form says so
// as it says it of any file it cannot read.
TEST(BatchSession, ARemovedWorkingDirectoryLeavesTheConfigurationUnreadable) {
  ScopedWorkDir workDir;
  fs::create_directory("out");
  fs::create_directory("gone");
  fs::copy_file(kExample / "input.cfg", "gone/input.cfg");
  fs::current_path("gone");
  fs::remove_all(workDir.Path() / "gone");
  batch::BatchSession session(ExampleSettings(workDir.Path() / "out"), "input.cfg");
  ASSERT_TRUE(session.Refused());
  EXPECT_THAT(session.Refusal().Message(), HasSubstr("input.cfg dosyası okunamadı"));
  EXPECT_FALSE(session.Solve());
}

}  // namespace
}  // namespace kelvane::testing
