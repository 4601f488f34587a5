// Tests of the spanwise results read from a solved record.
#include "results/SpanwiseResults.h"

#include <cmath>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::PlaceStations;
using testing::ResetTestRecord;
using testing::testCache;
using testing::testRecord;
using testing::UniformSections;

constexpr int kStations = 15;
constexpr double kRootAngle = 10;

// The start-up wing: b = S = AR = 10, slopes 2π, no twist, 10 degrees; elliptic or rectangular.
void SolveStartUpWing(bool elliptic) {
  ResetTestRecord();
  PlaceStations(10, 10, 10, kStations);
  if (elliptic) {
    testing::EllipticChords();
  } else {
    testing::TaperedChords(1);
  }
  UniformSections(testing::kTwoPiAsSaved);
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, kRootAngle));
}

TEST(SpanwiseResults, EllipticWingHasTheWingsLiftAtEveryStationAndFullEfficiency) {
  SolveStartUpWing(true);
  const SpanwiseResults results = ReadSpanwiseResults(testRecord);
  ASSERT_EQ(results.stations.size(), static_cast<std::size_t>(kStations));
  for (std::size_t k = 0; k < results.stations.size(); ++k) {
    const StationValues& station = results.stations[k];
    EXPECT_NEAR(station.cl, testRecord.CL, 1e-14) << k;
    // Effective and induced angles make up the geometric angle, here the same everywhere.
    EXPECT_NEAR(station.AlfaE + station.AlfaI, kRootAngle, 1e-13) << k;
    EXPECT_FALSE(station.clmax);
  }
  EXPECT_EQ(results.stations.front().y, testRecord.y[1]);  // next to the tip first
  EXPECT_EQ(results.stations.back().y, 0);                 // the root last
  EXPECT_EQ(results.stations.back().Gamma, testRecord.Gamma[kStations]);
  ASSERT_TRUE(results.spanEfficiency);
  EXPECT_NEAR(results.spanEfficiency->delta, 0, 1e-20);
  EXPECT_NEAR(results.spanEfficiency->e, 1, 1e-15);
}

TEST(SpanwiseResults, RectangularWingLosesEfficiencyToItsTips) {
  SolveStartUpWing(false);
  const std::optional<SpanEfficiency> efficiency = ReadSpanwiseResults(testRecord).spanEfficiency;
  ASSERT_TRUE(efficiency);
  EXPECT_NEAR(efficiency->delta, 0.0859, 5e-5);
  EXPECT_NEAR(efficiency->e, 1 / (1 + 0.0859), 5e-5);
  // The drag the solution reports is the elliptic wing's, raised by delta.
  EXPECT_NEAR(testRecord.CDi, (1 + efficiency->delta) * testRecord.CL * testRecord.CL / (testRecord.Pi * testRecord.AR),
              1e-15);
}

TEST(SpanwiseResults, ZeroLiftHasNoSpanEfficiency) {
  SolveStartUpWing(false);
  testRecord.dAlfa = -4;  // a twisted wing still carries a loading at zero lift
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenCL, 0));
  const SpanwiseResults results = ReadSpanwiseResults(testRecord);
  EXPECT_FALSE(results.spanEfficiency);
  EXPECT_NE(results.stations.front().Gamma, 0);
}

TEST(SpanwiseResults, MaximumLiftRunsLinearlyFromRootToTip) {
  SolveStartUpWing(false);
  const SectionMaxLift maxLift{.clmaxK = 1.6, .clmaxU = 1.2};
  const SpanwiseResults results = ReadSpanwiseResults(testRecord, maxLift);
  ASSERT_TRUE(results.maxLift);
  EXPECT_EQ(results.stations.back().clmax, 1.6);  // the root
  for (const StationValues& station : results.stations) {
    ASSERT_TRUE(station.clmax);
    EXPECT_NEAR(*station.clmax, 1.6 - 0.4 * station.y / 5, 1e-15) << station.y;
  }
}

}  // namespace
}  // namespace kelvane
