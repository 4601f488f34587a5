// Tests of the wing's lift-curve slope against lifting-line theory's elliptic wing.
#include "results/LiftSlope.h"

#include <numbers>

#include <gtest/gtest.h>

#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::testRecord;

// An elliptic wing of equal sections has a = a0 / (1 + a0 / (π AR)) per radian, whatever its station count,
// zero-lift angle and twist (which move CL, not its slope); the record is left as it was.
TEST(LiftCurveSlope, IsTheEllipticWingsPerDegree) {
  struct Wing {
    double AR, a0, Alfa0, dAlfa;
    int stations;
  };
  for (const Wing& wing :
       {Wing{10, 2 * std::numbers::pi, 0, 0, 15}, Wing{6, 5.7, -2, 0, 21}, Wing{20, 6, -1.5, -3, 7}}) {
    testing::PlaceStations(wing.AR, wing.AR, wing.AR, wing.stations);  // b = S = AR
    testing::EllipticChords();
    testing::UniformSections(wing.a0);
    testRecord.Alfa0K = testRecord.Alfa0U = wing.Alfa0;
    testRecord.dAlfa = wing.dAlfa;
    const Module_ortak before = testRecord;
    const auto slope = LiftCurveSlope(testRecord, testing::testCache);
    ASSERT_TRUE(slope) << slope.Message();
    const double expected = wing.a0 / (1 + wing.a0 / (std::numbers::pi * wing.AR)) * std::numbers::pi / 180;
    EXPECT_NEAR(slope->dCLdAlfa, expected, 1e-12 * expected) << wing.AR;
    EXPECT_TRUE(testRecord == before);
  }
}

}  // namespace
}  // namespace kelvane
