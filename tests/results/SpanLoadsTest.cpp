// The span loads: the root identities, the loads against the wing's lift and a hand-checked flapped wing.
#include "results/SpanLoads.h"

#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "support/SolvedWing.h"

namespace kelvane {
namespace {

using testing::SolvedWing;

constexpr double kRho = kSeaLevelAirDensity;
constexpr int kStations = 15;
constexpr double kSemiSpan = 5;
constexpr Flap kInnerHalfFlap{0, 2.5, 0.25, 10};  // station 10 sits on its end, a rounding away from it

SpanLoads LoadsOf(const Module_ortak& m, std::optional<double> CDp = std::nullopt) {
  SpanLoads loads;
  EXPECT_FALSE(ComputeSpanLoads(m, kRho, CDp, loads).IsRefused());
  return loads;
}

TEST(SpanLoads, EllipticWingsRootCarriesHalfItsLiftAndItsMoment) {
  const auto m = SolvedWing({});
  const SpanLoads loads = LoadsOf(*m, 0.01);
  const double dynamicPressure = kRho * m->Voo * m->Voo / 2;
  EXPECT_NEAR(loads.L, dynamicPressure * m->S * m->CL, 1e-15 * loads.L);
  EXPECT_NEAR(loads.Q0, loads.L / 2, 1e-14 * loads.L);
  EXPECT_NEAR(loads.M0, loads.L / 2 * 4 * kSemiSpan / (3 * std::numbers::pi), 1e-14 * loads.M0);
  EXPECT_NEAR(*loads.D, dynamicPressure * m->S * (m->CDi + 0.01), 1e-15 * *loads.D);
  SpanLoads refused;
  for (const double rho : {0.0, std::numeric_limits<double>::infinity()})
    EXPECT_EQ(ComputeSpanLoads(*m, rho, std::nullopt, refused).Message(), kAirDensityMessage) << rho;
}

// Along the span, the trapezoid rule in theta over the stations' l, exact for the series; away from the
// root, Q and M against Simpson's rule over the loading l(t)·s·sin t, Voo being 1.
TEST(SpanLoads, FlappedWingsLoadsAddUpToItsLift) {
  const auto m = SolvedWing({.elliptic = false, .rootAngle = 5, .flaps = {&kInnerHalfFlap, 1}});
  const SpanLoads loads = LoadsOf(*m);
  double half = 0;
  for (int i = 1; i <= kStations; ++i)
    half += loads.stations[i - 1].l * kSemiSpan * std::sin(m->theta[i]) * (i == kStations ? 0.5 : 1);
  EXPECT_NEAR(half * std::numbers::pi / 2 / kStations, loads.L / 2, 1e-13 * loads.L);
  for (const int i : {3, 8}) {
    constexpr int kIntervals = 20000;
    const double h = m->theta[i] / kIntervals;
    double Q = 0, M = 0;
    for (int k = 0; k <= kIntervals; ++k) {
      double gamma = 0;
      for (int j = 1; j <= kStations; ++j) gamma += 4 * kSemiSpan * m->An[j] * std::sin((2 * j - 1) * k * h);
      const double simpson = (k == 0 || k == kIntervals) ? 1 : (k % 2 == 1 ? 4 : 2);
      const double dQ = kRho * gamma * kSemiSpan * std::sin(k * h) * simpson * h / 3;
      Q += dQ;
      M += dQ * kSemiSpan * (std::cos(k * h) - std::cos(m->theta[i]));
    }
    EXPECT_NEAR(loads.stations[i - 1].Q, Q, 1e-11 * loads.Q0) << i;
    EXPECT_NEAR(loads.stations[i - 1].M, M, 1e-11 * loads.M0) << i;
  }
}

// Worked apart from the program: Glauert's collocation solved with numpy, the root moment by Simpson's
// rule over l(y)·y with 20000 intervals.
TEST(SpanLoads, FlappedRectangularWingMatchesTheHandCheck) {
  const auto clean = SolvedWing({.elliptic = false, .rootAngle = 5});
  const auto flapped = SolvedWing({.elliptic = false, .rootAngle = 5, .flaps = {&kInnerHalfFlap, 1}});
  EXPECT_NEAR(flapped->CL - clean->CL, 0.32046628220246587, 1e-14);
  EXPECT_NEAR(LoadsOf(*clean).M0, 3.1199057721596235, 1e-13);
  EXPECT_NEAR(LoadsOf(*flapped).M0, 4.6621593407123365, 1e-13);
  StationTable offsets{};  // what a polar solution adds to the lookup angles
  ASSERT_FALSE(FlapAngleOffsets(*flapped, {&kInnerHalfFlap, 1}, offsets).IsRefused());
  for (int i = 1; i <= kStations; ++i) EXPECT_EQ(offsets[i], i >= 10 ? FlapEffectiveness(0.25) * 10 : 0) << i;
}

}  // namespace
}  // namespace kelvane
