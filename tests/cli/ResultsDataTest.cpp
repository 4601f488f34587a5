// kelvane-solve's data outputs read back to exactly the numbers the engine holds for the solution.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/BatchRun.h"
#include "config/ConfigFile.h"
#include "model/Module_ortak.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"
#include "results/WingSolver.h"
#include "support/ScopedWorkDir.h"
#include "support/WorkedExample.h"

namespace kelvane::testing {
namespace {

const std::string kTwistedWing = std::string(KELVANE_EXAMPLES_DIR) + "/04-two-panels-twist-detail/input.cfg";
const std::string kZeroLiftWing = std::string(KELVANE_EXAMPLES_DIR) + "/08-given-cl-zero-twisted/input.cfg";
constexpr SectionMaxLift kMaxLift{.clmaxK = 1.5, .clmaxU = 1.1};
constexpr int kStations = 21;

struct ToolRun {
  cli::ExitStatus status;
  std::string out;
  std::string err;
};

ToolRun Solve(const std::vector<std::string_view>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const cli::ExitStatus status = cli::SolveMain(args, out, err);
  return {status, out.str(), err.str()};
}

// The station's values by their printed names, clmax last.
std::vector<std::pair<std::string, double>> Named(const StationValues& station) {
  return {{"y", station.y},         {"c", station.c},         {"Gamma", station.Gamma}, {"cl", station.cl},
          {"AlfaE", station.AlfaE}, {"AlfaI", station.AlfaI}, {"w", station.w},         {"clmax", *station.clmax}};
}

class ResultsData : public ::testing::Test {
 protected:
  ScopedWorkDir workDir_;
};

TEST_F(ResultsData, JsonAndCsvRoundTripEveryNumberExactly) {
  const ToolRun run =
      Solve({"--stations", "21", "--json", "--clmax", "1.5:1.1", "--spanwise", "stations.csv", kTwistedWing});
  ASSERT_EQ(run.status, cli::kSuccess) << run.err;
  // The same wing through the engine.
  auto wing = config::ReadConfigFile(kTwistedWing, Wing{});
  ASSERT_TRUE(wing);
  wing->stations = std::to_string(kStations);
  const auto solution = SolveWing(*wing, SolutionMode::GivenAngle, wing->AlfaK, false, kMaxLift);
  ASSERT_TRUE(solution);
  const SpanwiseResults& expected = solution->spanwise;
  SystemCache cache;
  const auto stall = FindStallOnset(*solution->record, cache, kMaxLift);
  ASSERT_EQ(expected.stations.size(), static_cast<std::size_t>(kStations));
  ASSERT_TRUE(expected.spanEfficiency && stall && *stall);
  const StallOnset& onset = **stall;

  const std::map<std::string, std::string> json = FlatJsonReader::Read(run.out);
  EXPECT_EQ(std::stod(json.at("e")), expected.spanEfficiency->e);
  EXPECT_EQ(std::stod(json.at("delta")), expected.spanEfficiency->delta);
  EXPECT_EQ(std::stod(json.at("stall.AlfaK")), onset.AlfaK);
  EXPECT_EQ(std::stod(json.at("stall.CL")), onset.CL);
  EXPECT_EQ(std::stod(json.at("stall.y")), onset.y);
  EXPECT_FALSE(json.contains("stations." + std::to_string(kStations) + ".y"));

  std::istringstream csv(ReadFile("stations.csv"));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "i,y,c,Gamma,cl,AlfaE,AlfaI,w,clmax");
  for (std::size_t k = 0; k < expected.stations.size(); ++k) {
    SCOPED_TRACE(k);
    ASSERT_TRUE(std::getline(csv, line));
    std::istringstream cells(line);
    std::string cell;
    std::getline(cells, cell, ',');
    EXPECT_EQ(cell, std::to_string(k + 1));
    for (const auto& [key, value] : Named(expected.stations[k])) {
      EXPECT_EQ(std::stod(json.at("stations." + std::to_string(k) + "." + key)), value) << key;
      ASSERT_TRUE(std::getline(cells, cell, ','));
      EXPECT_EQ(std::stod(cell), value) << key;
    }
  }
  EXPECT_FALSE(std::getline(csv, line));
}

TEST_F(ResultsData, ZeroLiftHasNullSpanEfficiency) {
  const ToolRun run = Solve({"--json", "--given-cl", kZeroLiftWing});
  ASSERT_EQ(run.status, cli::kSuccess) << run.err;
  EXPECT_NE(run.out.find("\"CL\": 0,"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"e\": null, \"delta\": null, \"L\": 0, "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("\"stall\""), std::string::npos);
}

}  // namespace
}  // namespace kelvane::testing
