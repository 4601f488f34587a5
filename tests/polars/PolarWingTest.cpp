// A planned wing with section polars: its loads and its flaps, through the glue every front end calls.
#include "results/PolarWing.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "PolarFixtures.h"
#include "config/ConfigFile.h"
#include "solver/Flaps.h"

namespace kelvane {
namespace {

using testing::BothSections;
using testing::ShippedPolar;

constexpr double kRho = 1.1;
constexpr int kStations = 11;
constexpr double kRootAngle = 6;
const std::string kTaperedWing = std::string(KELVANE_EXAMPLES_DIR) + "/04-two-panels-twist-detail/input.cfg";

Wing TaperedWing(std::vector<Flap> flaps = {}) {
  auto wing = config::ReadConfigFile(kTaperedWing, Wing{});
  if (!wing) throw std::runtime_error(wing.Message());
  wing->stations = std::to_string(kStations);
  wing->flaps = std::move(flaps);
  return *wing;
}

TEST(PolarWing, RootShearIsHalfThePolarSolutionsLiftWithItsProfileDrag) {
  auto solver = WingSolver::Plan(TaperedWing());
  ASSERT_TRUE(solver);
  auto line = MakePolarLiftingLine(*solver, BothSections(ShippedPolar("naca2412-re1e6.txt")));
  ASSERT_TRUE(line);
  const PolarSolve solved = line->SolveAtAngle(kRootAngle);
  ASSERT_TRUE(solved) << solved.Message();
  EXPECT_EQ(solved->AlfaK, kRootAngle);
  const auto loads = PolarSpanLoads(solver->Record(), *solved, kRho);
  ASSERT_TRUE(loads) << loads.Message();
  const Module_ortak& m = solver->Record();
  const double dynamicPressure = kRho * m.Voo * m.Voo / 2;
  EXPECT_NEAR(loads->L, dynamicPressure * m.S * solved->CL, 1e-14 * loads->L);
  EXPECT_NEAR(loads->Q0, loads->L / 2, 1e-13 * loads->L);
  EXPECT_NEAR(*loads->Dp, dynamicPressure * m.S * solved->CDp, 1e-14 * *loads->Dp);
  EXPECT_EQ(*loads->D, loads->Di + *loads->Dp);
}

TEST(PolarWing, AFlapIsTheLookupOffsetOfItsEffectivenessTimesItsDeflection) {
  const Flap inboard{.y1 = 0, .y2 = 7, .E = 0.25, .delta = 8};
  auto flapped = WingSolver::Plan(TaperedWing({inboard}));
  ASSERT_TRUE(flapped) << flapped.Message();
  const WingPolars polars = BothSections(ShippedPolar("naca2412-re1e6.txt"));
  auto line = MakePolarLiftingLine(*flapped, polars);
  ASSERT_TRUE(line);

  // The same wing without the flap, its stations up to y = 7 looked up τ·δ higher by hand.
  auto bare = WingSolver::Plan(TaperedWing());
  ASSERT_TRUE(bare);
  ASSERT_TRUE(bare->Solve(SolutionMode::GivenAngle, 0, false));
  const Module_ortak& m = bare->Record();
  std::vector<double> offsets;
  for (int i = 1; i <= kStations; ++i)
    offsets.push_back(m.y[i] <= inboard.y2 ? FlapEffectiveness(inboard.E) * inboard.delta : 0);
  ASSERT_EQ(offsets.front(), 0);  // the station next to the tip is off the flap
  ASSERT_GT(offsets.back(), 0);
  PolarLiftingLine byHand(m, polars, offsets);

  const PolarSolve withFlap = line->SolveAtAngle(kRootAngle);
  const PolarSolve withOffsets = byHand.SolveAtAngle(kRootAngle);
  ASSERT_TRUE(withFlap && withOffsets);
  EXPECT_EQ(withFlap->CL, withOffsets->CL);
  EXPECT_EQ(withFlap->CDp, withOffsets->CDp);
}

}  // namespace
}  // namespace kelvane
