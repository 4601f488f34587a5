// Tests of one whole solution: its stages in order and where a refusal stops it.
#include "solver/SolveLiftingLine.h"

#include <string>
#include "solver/Gauss.h"

#include <vector>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::PlaceStations;
using testing::ResetTestRecord;
using testing::TaperedChords;
using testing::testCache;
using testing::testRecord;
using testing::UniformSections;

void SetUpRectangularWing() {
  ResetTestRecord();
  PlaceStations(10, 10, 10, 7);
  TaperedChords(1);
  UniformSections(testing::kTwoPiAsSaved);
}

std::vector<SolveStage> StagesRun(SolutionMode mode, std::string* refusal, double* CDiE = nullptr) {
  std::vector<SolveStage> stages;
  const auto solved =
      SolveLiftingLine(testRecord, testCache, mode, [&stages](SolveStage stage) { stages.push_back(stage); });
  *refusal = solved.Message();
  if (solved && CDiE) *CDiE = solved->CDiE;
  return stages;
}

TEST(SolveLiftingLine, ReportsEveryStageInTheSolveCommandsOrder) {
  SetUpRectangularWing();
  testRecord.AlfaK = 5;
  std::string refusal;
  double CDiE = 0;
  const std::vector<SolveStage> stages = StagesRun(SolutionMode::GivenAngle, &refusal, &CDiE);
  ASSERT_EQ(refusal, "");
  EXPECT_EQ(stages,
            (std::vector<SolveStage>{
                SolveStage::SectionTables, SolveStage::TwistTable, SolveStage::PrepareMode, SolveStage::MuTable,
                SolveStage::BuildSystem, SolveStage::Gauss, SolveStage::UnpackSolution, SolveStage::Distributions,
                SolveStage::WingCoefficients, SolveStage::EllipticWing, SolveStage::ComparisonCurves}));
  EXPECT_GT(CDiE, 0);
}

TEST(SolveLiftingLine, StopsAtTheStageThatFailsAndSaysWhy) {
  struct Case {
    const char* name;
    SolutionMode mode;
    double slope;
    const char* message;
    SolveStage lastStageRun;
  };
  // Zero slopes leave the given-lift system without its root-angle column; a zero root slope alone
  // gives the equivalent elliptic wing no lift slope.
  const Case cases[] = {
      {"singular", SolutionMode::GivenCL, 0, kSingularSystemMessage, SolveStage::BuildSystem},
      {"elliptic", SolutionMode::GivenAngle, 0, kNoEllipticWingMessage, SolveStage::WingCoefficients},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUpRectangularWing();
    UniformSections(c.slope);
    testRecord.CL = 0.5;
    std::string refusal;
    const std::vector<SolveStage> stages = StagesRun(c.mode, &refusal);
    EXPECT_EQ(refusal, c.message);
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages.back(), c.lastStageRun);
  }
}

TEST(SolveLiftingLine, SolveAtPutsTheOperatingPointIntoTheRecord) {
  SetUpRectangularWing();
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, 4));
  EXPECT_EQ(testRecord.AlfaK, 4);
  const double lift = testRecord.CL;
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenCL, lift));
  EXPECT_EQ(testRecord.CL, lift);
  EXPECT_NEAR(testRecord.AlfaK, 4, 1e-12);
}

}  // namespace
}  // namespace kelvane
