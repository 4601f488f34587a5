// The section-polar lifting line on every solvable wing of the worked examples with each shipped polar:
// converged at every root angle from -5 degrees up to the wing's CLmax angle, and a plausible CLmax.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "PolarFixtures.h"
#include "solver/PolarSearch.h"
#include "support/WorkedExample.h"
#include "testkit/SolvedWing.h"

namespace kelvane::testing {
namespace {

constexpr double kFirstAngle = -5;
constexpr double kAngleStep = 1;
// How much higher CL may be 0.001 degree from the top: a wing whose lift still grows at least 0.01 per
// degree there has not reached its CLmax.
constexpr double kFlatTop = 1e-5;

// The example's wing with the station text and ticks of its arguments.
Record ExampleWing(const WorkedExample& example) {
  std::optional<std::string> stations;
  PlanformInputs ticks;
  for (std::size_t k = 0; k + 1 < example.argv.size(); ++k) {
    if (example.argv[k] == "--stations") stations = example.argv[k + 1];
    if (example.argv[k] == "--inputs") {
      const std::string& names = example.argv[k + 1];
      const auto named = [&names](const char* name) {
        return ("," + names + ",").find(std::string(",") + name + ",") != std::string::npos;
      };
      ticks = {named("S"), named("AR"), named("b"), named("cOrt")};
    }
  }
  return ConfigWing(example.Input(), stations, ticks);
}

std::vector<WorkedExample> SolvableExamples() {
  std::vector<WorkedExample> examples = LoadWorkedExamples();
  std::erase_if(examples, [](const WorkedExample& example) { return example.message.has_value(); });
  return examples;
}

class PolarExamples : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(PolarExamples, ConvergeUpToCLmaxWithEveryShippedPolar) {
  const Record wing = ExampleWing(GetParam());
  for (const char* name : kShippedPolars) {
    SCOPED_TRACE(name);
    const SectionPolar section = ShippedPolar(name);
    PolarLiftingLine solver(*wing, BothSections(section));
    const PolarSolve top = FindWingCLmax(solver);
    ASSERT_TRUE(top) << top.Message();
    const PolarSolution& peak = *top;

    // Below the sections' best: a wing never lifts more than its best station.
    EXPECT_GT(peak.CL, 0);
    EXPECT_LT(peak.CL, section.MaxLift().cl);
    for (const PolarStation& station : peak.stations) EXPECT_LE(station.cl, section.MaxLift().cl);

    // Found to 0.001 degree: beside it CL is no higher than a flat top allows. A stalling wing may have no
    // solution close by on one side: its top can be where one way of stalling ends or another begins.
    for (const double side : {-kCLmaxAngleResolution, kCLmaxAngleResolution}) {
      solver.ContinueFrom(peak);
      const PolarSolve beside = solver.SolveAtAngle(peak.AlfaK + side);
      if (beside) {
        EXPECT_LE(beside->CL, peak.CL + kFlatTop) << "at " << peak.AlfaK + side;
      }
    }

    solver.Forget();
    for (double alfaK = kFirstAngle; alfaK <= peak.AlfaK; alfaK += kAngleStep) {
      const PolarSolve point = solver.SolveAtAngle(alfaK);
      ASSERT_TRUE(point) << "at " << alfaK << ": " << point.Message();
      EXPECT_LE(point->residual, kConvergedResidual);
      EXPECT_LE(point->CL, peak.CL);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, PolarExamples, ::testing::ValuesIn(SolvableExamples()),
                         [](const auto& info) { return TestName(info.param); });

}  // namespace
}  // namespace kelvane::testing
