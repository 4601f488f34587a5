// Tests of the wing's lift-curve slope against lifting-line theory's elliptic wing.
#include "results/LiftSlope.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::testCache;
using testing::testRecord;

constexpr double kRounding = 1e-12;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

struct EllipticWing {
  double AR;
  double a0;  // section slope, per radian
  int stations;
  double Alfa0;  // zero-lift angle of both sections, degrees
  double dAlfa;  // twist, degrees: moves CL, not its slope
};

// An elliptic wing of equal sections has a = a0 / (1 + a0 / (π AR)) per radian, at any station count.
TEST(LiftCurveSlope, IsTheEllipticWingsPerDegree) {
  const EllipticWing wings[] = {
      {10, 2 * std::numbers::pi, 15, 0, 0},
      {6, 5.7, 21, -2, 0},
      {20, 6, 7, -1.5, -3},
  };
  for (const EllipticWing& wing : wings) {
    SCOPED_TRACE(wing.AR);
    testing::PlaceStations(wing.AR, wing.AR, wing.AR, wing.stations);  // b = S = AR
    testing::EllipticChords();
    testing::UniformSections(wing.a0);
    testRecord.Alfa0K = testRecord.Alfa0U = wing.Alfa0;
    testRecord.dAlfa = wing.dAlfa;
    const Module_ortak before = testRecord;

    const auto slope = LiftCurveSlope(testRecord, testCache);
    ASSERT_TRUE(slope) << slope.Message();
    const double expected = wing.a0 / (1 + wing.a0 / (std::numbers::pi * wing.AR)) * kRadiansPerDegree;
    EXPECT_NEAR(slope->dCLdAlfa, expected, kRounding * expected);
    EXPECT_TRUE(testRecord == before);  // solved on a copy
  }
}

TEST(LiftCurveSlope, IsRefusedWithTheSolutionsRefusal) {
  testing::PlaceStations(10, 10, 10, 15);
  testing::EllipticChords();
  testing::UniformSections(0);  // a section without lift: the equivalent elliptic wing is refused
  EXPECT_TRUE(LiftCurveSlope(testRecord, testCache).IsRefused());
}

}  // namespace
}  // namespace kelvane
