#include "solver/SolveLiftingLine.h"

#include <vector>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::PlaceStations;
using testing::TaperedChords;
using testing::UniformSections;

void SetUpRectangularWing() {
  ResetModuleOrtak();
  PlaceStations(10, 10, 10, 7);
  TaperedChords(1);
  UniformSections(testing::kTwoPiAsSaved);
}

std::vector<SolveStage> StagesRun(SolutionMode mode, SolveOutcome* outcome) {
  std::vector<SolveStage> stages;
  *outcome = SolveLiftingLine(mode, [&stages](SolveStage stage) { stages.push_back(stage); });
  return stages;
}

TEST(SolveLiftingLine, ReportsEveryStageInTheSolveCommandsOrder) {
  SetUpRectangularWing();
  ortak.AlfaK = 5;
  SolveOutcome outcome;
  const std::vector<SolveStage> stages = StagesRun(SolutionMode::GivenAngle, &outcome);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(stages, (std::vector<SolveStage>{
                        SolveStage::SectionTables, SolveStage::TwistTable, SolveStage::PrepareMode,
                        SolveStage::MuTable, SolveStage::BuildSystem, SolveStage::Gauss,
                        SolveStage::UnpackSolution, SolveStage::Distributions, SolveStage::WingCoefficients,
                        SolveStage::EllipticWing, SolveStage::ComparisonCurves}));
  EXPECT_GT(outcome.elliptic.CDiE, 0);
}

TEST(SolveLiftingLine, StopsAtTheStageThatFailsAndSaysWhy) {
  struct Case {
    const char* name;
    SolutionMode mode;
    double slope;
    SolveFault fault;
    SolveStage lastStageRun;
  };
  // Zero slopes leave the given-lift system without its root-angle column; a zero root slope alone
  // gives the equivalent elliptic wing no lift slope.
  const Case cases[] = {
      {"singular", SolutionMode::GivenCL, 0, SolveFault::SingularSystem, SolveStage::BuildSystem},
      {"elliptic", SolutionMode::GivenAngle, 0, SolveFault::NoEllipticWing, SolveStage::WingCoefficients},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUpRectangularWing();
    UniformSections(c.slope);
    ortak.CL = 0.5;
    SolveOutcome outcome;
    const std::vector<SolveStage> stages = StagesRun(c.mode, &outcome);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.fault, c.fault);
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages.back(), c.lastStageRun);
  }
}

TEST(SolveLiftingLine, SolveAtPutsTheOperatingPointIntoTheRecord) {
  SetUpRectangularWing();
  ASSERT_TRUE(SolveAt(SolutionMode::GivenAngle, 4));
  EXPECT_EQ(ortak.AlfaK, 4);
  const double lift = ortak.CL;
  ASSERT_TRUE(SolveAt(SolutionMode::GivenCL, lift));
  EXPECT_EQ(ortak.CL, lift);
  EXPECT_NEAR(ortak.AlfaK, 4, 1e-12);
}

}  // namespace
}  // namespace kelvane
