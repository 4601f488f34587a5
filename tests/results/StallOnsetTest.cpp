#include "results/StallOnset.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::PlaceStations;
using testing::TaperedChords;
using testing::UniformSections;

constexpr int kStations = 21;
constexpr double kTaper = 0.2;
constexpr double kRounding = 1e-12;

// Values exact in binary, so that every alpha below is exact: (clmax - cl0) / (cl1 - cl0).
TEST(LinearStallOnset, TakesTheSmallestAngleAmongStationsWhoseLiftGrows) {
  const StationLift stations[] = {
      {.y = 4, .clmax = 1.5, .cl0 = 0.25, .cl1 = 0.5},  // alpha 5
      {.y = 3, .clmax = 2, .cl0 = 0, .cl1 = 0.5},       // alpha 4: the onset
      {.y = 2, .clmax = 1, .cl0 = 1.5, .cl1 = 1},       // lift falls with the angle: never stalls
      {.y = 0, .clmax = 1.75, .cl0 = 0.5, .cl1 = 0.5},  // lift does not change
  };
  const std::optional<StallOnset> onset = LinearStallOnset(stations, 0.125, 0.375);
  ASSERT_TRUE(onset);
  EXPECT_EQ(onset->AlfaK, 4);
  EXPECT_EQ(onset->CL, 1.125);  // 0.125 + 4 * (0.375 - 0.125)
  EXPECT_EQ(onset->y, 3);
  EXPECT_EQ(onset->station, 2);
}

TEST(LinearStallOnset, FirstStationWinsATie) {
  const StationLift stations[] = {
      {.y = 4, .clmax = 1.5, .cl0 = 0.25, .cl1 = 0.5},   // alpha 5
      {.y = 2, .clmax = 1.75, .cl0 = 0.5, .cl1 = 0.75},  // alpha 5
  };
  const std::optional<StallOnset> onset = LinearStallOnset(stations, 0, 0.25);
  ASSERT_TRUE(onset);
  EXPECT_EQ(onset->station, 1);
  EXPECT_EQ(onset->y, 4);
}

TEST(LinearStallOnset, NoneWhenNoStationsLiftGrows) {
  const StationLift stations[] = {{.y = 1, .clmax = 1, .cl0 = 0.5, .cl1 = 0.5},
                                  {.y = 0, .clmax = 1, .cl0 = 0.5, .cl1 = 0.25}};
  EXPECT_FALSE(LinearStallOnset(stations, 0, 0));
  EXPECT_FALSE(LinearStallOnset({}, 0, 0));
}

void SetUpTaperedWing() {
  ResetModuleOrtak();
  PlaceStations(10, 10, 10, kStations);
  TaperedChords(kTaper);
  UniformSections(testing::kTwoPiAsSaved);
}

std::vector<double> LocalLift() {
  std::vector<double> cl;
  for (int i = 1; i <= kStations; ++i) cl.push_back(LocalLiftCoefficient(i));
  return cl;
}

// Untwisted, uncambered: no lift at 0 degrees, so with one clmax everywhere the station with the largest
// lift per degree stalls first, at clmax over that lift.
TEST(FindStallOnset, UntwistedTaperedWingStallsWhereItsLocalLiftPeaks) {
  SetUpTaperedWing();
  ASSERT_TRUE(SolveAt(SolutionMode::GivenAngle, 1));
  const double liftPerDegree = ortak.CL;
  const std::vector<double> cl = LocalLift();
  const auto peak = std::max_element(cl.begin(), cl.end());
  const int peakStation = static_cast<int>(peak - cl.begin()) + 1;
  ASSERT_GT(ortak.y[peakStation], 5.0 / 2) << "a 0.2 taper loads its outer half most";

  constexpr double kMaxLift = 1.4;
  const StallSearch search = FindStallOnset({.clmaxK = kMaxLift, .clmaxU = kMaxLift});
  ASSERT_FALSE(search.fault);
  ASSERT_TRUE(search.onset);
  EXPECT_EQ(search.onset->station, peakStation);
  EXPECT_EQ(search.onset->y, ortak.y[peakStation]);
  EXPECT_NEAR(search.onset->AlfaK, kMaxLift / *peak, kRounding);
  EXPECT_NEAR(search.onset->CL, search.onset->AlfaK * liftPerDegree, kRounding);
}

// With twist, zero-lift angles and a clmax that falls towards the tip, solving at the onset angle brings
// the onset station to its clmax and leaves every other station below its own.
TEST(FindStallOnset, SolvingAtTheOnsetAngleReachesClmaxAtItsStationFirst) {
  SetUpTaperedWing();
  ortak.dAlfa = -3;
  ortak.Alfa0K = -2;
  ortak.Alfa0U = -1;
  const SectionMaxLift maxLift{.clmaxK = 1.6, .clmaxU = 1.1};
  const StallSearch search = FindStallOnset(maxLift);
  ASSERT_TRUE(search.onset);

  ASSERT_TRUE(SolveAt(SolutionMode::GivenAngle, search.onset->AlfaK));
  EXPECT_NEAR(ortak.CL, search.onset->CL, kRounding);
  for (int i = 1; i <= kStations; ++i) {
    const double margin = StationMaxLift(maxLift, i) - LocalLiftCoefficient(i);
    if (i == search.onset->station) {
      EXPECT_NEAR(margin, 0, kRounding);
    } else {
      EXPECT_GT(margin, -kRounding) << i;
    }
  }
}

TEST(FindStallOnset, LeavesTheUsersSolutionInTheRecord) {
  SetUpTaperedWing();
  ortak.CL = 0.7;
  ASSERT_TRUE(SolveLiftingLine(SolutionMode::GivenCL));
  const Module_ortak before = ortak;

  ASSERT_TRUE(FindStallOnset({.clmaxK = 1.5, .clmaxU = 1.5}).onset);

  EXPECT_EQ(ortak.AlfaK, before.AlfaK);
  EXPECT_EQ(ortak.CL, before.CL);
  EXPECT_EQ(ortak.CDi, before.CDi);
  EXPECT_EQ(ortak.An, before.An);
  EXPECT_EQ(ortak.Gamma, before.Gamma);
  EXPECT_EQ(ortak.AlfaE, before.AlfaE);
  EXPECT_EQ(ortak.CoefMatrix, before.CoefMatrix);
  EXPECT_EQ(ortak.GammaE, before.GammaE);
}

TEST(FindStallOnset, ReportsASolutionThatStops) {
  SetUpTaperedWing();
  ASSERT_TRUE(SolveAt(SolutionMode::GivenAngle, 5));
  ortak.AszK = 0;  // no elliptic-wing slope for the extra solutions
  const StallSearch search = FindStallOnset({.clmaxK = 1.5, .clmaxU = 1.5});
  EXPECT_EQ(search.fault, SolveFault::NoEllipticWing);
  EXPECT_FALSE(search.onset);
  EXPECT_EQ(ortak.AszK, 0);
}

// A clmax the linear model reaches only at an infinite angle is refused; one station within reach is enough.
TEST(FindStallOnset, RefusesAnOnsetThatWouldNotBeFinite) {
  struct Case {
    SectionMaxLift maxLift;
    bool finite;
  };
  constexpr double kOutOfReach = 1e308;
  for (const Case& c : {Case{{.clmaxK = kOutOfReach, .clmaxU = kOutOfReach}, false},
                        Case{{.clmaxK = 1.5, .clmaxU = kOutOfReach}, true}}) {
    SCOPED_TRACE(c.maxLift.clmaxU);
    SetUpTaperedWing();
    const StallSearch search = FindStallOnset(c.maxLift);
    EXPECT_EQ(search.fault, c.finite ? std::nullopt : std::optional(SolveFault::NotFinite));
    EXPECT_EQ(search.onset.has_value(), c.finite);
  }
}

}  // namespace
}  // namespace kelvane
