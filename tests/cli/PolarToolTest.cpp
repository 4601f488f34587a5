// kelvane-solve with section polars, XFoil's polars, loads and flaps, run as a user runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/SolveProcess.h"
#include "config/ConfigFile.h"
#include "support/ScopedWorkDir.h"
#include "support/WorkedExample.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTaperedWing = std::string(KELVANE_EXAMPLES_DIR) + "/04-two-panels-twist-detail/input.cfg";
const std::string kGivenCLWing = std::string(KELVANE_EXAMPLES_DIR) + "/03-taper-045-N9-given-cl/input.cfg";
const std::string kPolar2412 = std::string(KELVANE_TEST_POLARS_DIR) + "/naca2412-re1e6.txt";

// A run's JSON object, its numbers by their flattened keys ("loads.Q0", "stations.0.cd").
std::map<std::string, std::string> JsonOf(const std::vector<std::string>& args) {
  ScopedWorkDir workDir;
  const ProcessResult run = RunSolve(args, workDir.Path());
  EXPECT_EQ(run.status, 0) << run.err;
  return FlatJsonReader::Read(run.out);
}

double Number(const std::map<std::string, std::string>& json, const std::string& key) {
  EXPECT_TRUE(json.contains(key)) << key;
  return json.contains(key) ? std::stod(json.at(key)) : 0;
}

TEST(PolarTool, JsonAddsDragStallAndCLmaxAndNoReportIsWritten) {
  ScopedWorkDir workDir;
  const ProcessResult run =
      RunSolve({"--stations", "9", "--polar", kPolar2412, "--json", "--find-clmax", kTaperedWing}, workDir.Path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto json = FlatJsonReader::Read(run.out);
  for (const char* key : {"iterations", "residual", "Dp", "stations.8.cd", "loads.stations.8.M"})
    EXPECT_TRUE(json.contains(key)) << key << " in " << run.out;
  EXPECT_EQ(json.at("stations.0.stalled"), "false");
  EXPECT_EQ(Number(json, "CD"), Number(json, "CDi") + Number(json, "CDp"));
  EXPECT_EQ(Number(json, "D"), Number(json, "Di") + Number(json, "Dp"));
  EXPECT_GT(Number(json, "CLmax.CL"), Number(json, "CL"));
  EXPECT_GT(Number(json, "CLmax.AlfaK"), Number(json, "AlfaK"));
  EXPECT_TRUE(FolderEntries(workDir.Path()).empty());

  const auto wing = config::ReadConfigFile(kGivenCLWing, Wing{});
  ASSERT_TRUE(wing);
  const auto givenCL = JsonOf({"--stations", "9", "--given-cl", "--polar", kPolar2412, "--json", kGivenCLWing});
  EXPECT_NEAR(Number(givenCL, "CL"), wing->CL, 1e-12 * wing->CL);
}

TEST(PolarTool, SweepGoesOnPastAPointItCannotSolve) {
  ScopedWorkDir workDir;
  const ProcessResult partly =
      RunSolve({"--stations", "9", "--polar", kPolar2412, "--sweep", "0:60:60", kTaperedWing}, workDir.Path());
  EXPECT_EQ(partly.status, 0) << partly.err;
  EXPECT_TRUE(partly.out.starts_with("AlfaK,CL,CDi,CDp,CD,LD,e\n0,")) << partly.out;
  EXPECT_TRUE(partly.out.ends_with("\n60,,,,,,\n")) << partly.out;
  EXPECT_TRUE(partly.err.starts_with("kelvane-solve: AlfaK = 60: ")) << partly.err;

  const ProcessResult none =
      RunSolve({"--stations", "9", "--polar", kPolar2412, "--sweep", "60:61:1", kTaperedWing}, workDir.Path());
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "AlfaK,CL,CDi,CDp,CD,LD,e\n60,,,,,,\n61,,,,,,\n");
  EXPECT_TRUE(FolderEntries(workDir.Path()).empty());
}

// The one XFoil run of these tests: a few seconds.
TEST(PolarTool, XfoilPolarGivesTheNumbersOfTheShippedFile) {
  ScopedWorkDir workDir;
  const fs::path cache = workDir.Path() / "cache";
  const auto computed = RunSolve({"--stations", "9", "--polar", "naca2412@1e6", "--json", kTaperedWing}, workDir.Path(),
                                 [&cache] { setenv("XDG_CACHE_HOME", cache.c_str(), 1); });
  ASSERT_EQ(computed.status, 0) << computed.err;
  const auto shipped = RunSolve({"--stations", "9", "--polar", kPolar2412, "--json", kTaperedWing}, workDir.Path());
  EXPECT_EQ(computed.out, shipped.out);
  EXPECT_EQ(ReadFile(cache / "kelvane/polars/naca2412-re1e6.txt"), ReadFile(kPolar2412));
}

TEST(LoadsAndFlaps, TheDensityScalesTheLoadsWhichGoToTheirFile) {
  ScopedWorkDir workDir;
  const ProcessResult run =
      RunSolve({"--stations", "9", "--rho", "1.1", "--loads", "loads.csv", kTaperedWing}, workDir.Path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\nLoads at rho = 1.1 kg/m³:\nL     "), std::string::npos) << run.out;
  EXPECT_NE(ReadFile(workDir.Path() / "loads.csv").find("\n9,0,"), std::string::npos);  // the root last

  const auto standard = JsonOf({"--stations", "9", "--json", kTaperedWing});
  const auto doubled = JsonOf({"--stations", "9", "--json", "--rho", "2.45", kTaperedWing});
  for (const char* key : {"L", "Di", "loads.M0", "loads.stations.3.l"})
    EXPECT_NEAR(Number(doubled, key), 2 * Number(standard, key), 1e-12 * Number(doubled, key)) << key;
}

TEST(LoadsAndFlaps, AFlapAddsLiftToLinearAndPolarSolutions) {
  for (const std::vector<std::string>& model : {std::vector<std::string>{}, {"--polar", kPolar2412}}) {
    std::vector<std::string> args{"--stations", "9", "--json", kTaperedWing};
    args.insert(args.begin(), model.begin(), model.end());
    const auto plain = JsonOf(args);
    args.insert(args.begin(), {"--flap", "0:3:0.25:10"});
    const auto flapped = JsonOf(args);
    EXPECT_GT(Number(flapped, "CL"), Number(plain, "CL") + 0.1) << model.size();
    EXPECT_GT(Number(flapped, "loads.M0"), Number(plain, "loads.M0")) << model.size();
  }
}

TEST(LoadsAndFlaps, FlapsThatDoNotFitTheWingAreAUsageErrorAndNothingIsWritten) {
  const std::vector<std::vector<std::string>> cases = {
      {"--flap", "0:2:0.25:10", "--flap", "2:4:0.25:10"},            // touching flaps share a station
      {"--flap", "5:100:0.25:10"},                                   // beyond the half span
      {"--polar", kPolar2412, "--json", "--flap", "5:100:0.25:10"},  // the same with polars
  };
  for (std::vector<std::string> args : cases) {
    SCOPED_TRACE(args[1]);
    args.insert(args.end(), {"--loads", "loads.csv", kTaperedWing});
    ScopedWorkDir workDir;
    const ProcessResult run = RunSolve(args, workDir.Path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("kelvane-solve: --flap: Flap ")) << run.err;
    EXPECT_TRUE(FolderEntries(workDir.Path()).empty());
  }
}

}  // namespace
}  // namespace kelvane::testing
