// Tests of the linear model's stall onset.
#include "results/StallOnset.h"

#include <algorithm>
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
  ResetTestRecord();
  PlaceStations(10, 10, 10, kStations);
  TaperedChords(kTaper);
  UniformSections(testing::kTwoPiAsSaved);
}

std::vector<double> LocalLift() {
  std::vector<double> cl;
  for (int i = 1; i <= kStations; ++i) cl.push_back(LocalLiftCoefficient(testRecord, i));
  return cl;
}

// Untwisted, uncambered: no lift at 0 degrees, so with one clmax everywhere the station with the largest
// lift per degree stalls first, at clmax over that lift.
TEST(FindStallOnset, UntwistedTaperedWingStallsWhereItsLocalLiftPeaks) {
  SetUpTaperedWing();
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, 1));
  const double liftPerDegree = testRecord.CL;
  const std::vector<double> cl = LocalLift();
  const auto peak = std::max_element(cl.begin(), cl.end());
  const int peakStation = static_cast<int>(peak - cl.begin()) + 1;
  ASSERT_GT(testRecord.y[peakStation], 5.0 / 2) << "a 0.2 taper loads its outer half most";

  constexpr double kMaxLift = 1.4;
  const auto search = FindStallOnset(testRecord, testCache, {.clmaxK = kMaxLift, .clmaxU = kMaxLift});
  ASSERT_TRUE(search && *search);
  const StallOnset& onset = **search;
  EXPECT_EQ(onset.station, peakStation);
  EXPECT_EQ(onset.y, testRecord.y[peakStation]);
  EXPECT_NEAR(onset.AlfaK, kMaxLift / *peak, kRounding);
  EXPECT_NEAR(onset.CL, onset.AlfaK * liftPerDegree, kRounding);
}

// With twist, zero-lift angles and a clmax that falls towards the tip, solving at the onset angle brings
// the onset station to its clmax and leaves every other station below its own.
TEST(FindStallOnset, SolvingAtTheOnsetAngleReachesClmaxAtItsStationFirst) {
  SetUpTaperedWing();
  testRecord.dAlfa = -3;
  testRecord.Alfa0K = -2;
  testRecord.Alfa0U = -1;
  const SectionMaxLift maxLift{.clmaxK = 1.6, .clmaxU = 1.1};
  const auto search = FindStallOnset(testRecord, testCache, maxLift);
  ASSERT_TRUE(search && *search);
  const StallOnset& onset = **search;

  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, onset.AlfaK));
  EXPECT_NEAR(testRecord.CL, onset.CL, kRounding);
  for (int i = 1; i <= kStations; ++i) {
    const double margin = StationMaxLift(testRecord, maxLift, i) - LocalLiftCoefficient(testRecord, i);
    if (i == onset.station) {
      EXPECT_NEAR(margin, 0, kRounding);
    } else {
      EXPECT_GT(margin, -kRounding) << i;
    }
  }
}

TEST(FindStallOnset, LeavesTheUsersSolutionInTheRecord) {
  SetUpTaperedWing();
  testRecord.CL = 0.7;
  ASSERT_TRUE(SolveLiftingLine(testRecord, testCache, SolutionMode::GivenCL));
  const Module_ortak before = testRecord;

  const auto search = FindStallOnset(testRecord, testCache, {.clmaxK = 1.5, .clmaxU = 1.5});
  ASSERT_TRUE(search && *search);

  EXPECT_EQ(testRecord.AlfaK, before.AlfaK);
  EXPECT_EQ(testRecord.CL, before.CL);
  EXPECT_EQ(testRecord.CDi, before.CDi);
  EXPECT_EQ(testRecord.An, before.An);
  EXPECT_EQ(testRecord.Gamma, before.Gamma);
  EXPECT_EQ(testRecord.AlfaE, before.AlfaE);
  EXPECT_EQ(testRecord.CoefMatrix, before.CoefMatrix);
  EXPECT_EQ(testRecord.GammaE, before.GammaE);
}

TEST(FindStallOnset, ReportsASolutionThatStops) {
  SetUpTaperedWing();
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, 5));
  testRecord.AszK = 0;  // no elliptic-wing slope for the extra solutions
  const auto search = FindStallOnset(testRecord, testCache, {.clmaxK = 1.5, .clmaxU = 1.5});
  EXPECT_EQ(search.Message(), kNoEllipticWingMessage);
  EXPECT_EQ(testRecord.AszK, 0);
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
    const auto search = FindStallOnset(testRecord, testCache, c.maxLift);
    EXPECT_EQ(search.Message(), c.finite ? "" : kNotFiniteMessage);
    EXPECT_EQ(search && search->has_value(), c.finite);
  }
}

}  // namespace
}  // namespace kelvane
