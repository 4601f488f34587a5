// The section-polar lifting line against the linear solution (a polar on a straight lift line), against its
// own equations with a real polar, and its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PolarFixtures.h"
#include "solver/PolarSearch.h"
#include "testkit/SolvedWing.h"

namespace kelvane::testing {
namespace {

constexpr double kSameAsLinear = 1e-10;  // relative
constexpr double kProfileDrag = 0.008;

// Relative, with a floor for values that are zero but for rounding (an untwisted wing at zero lift).
void ExpectRelativelyNear(double actual, double expected, double relative, const char* what) {
  constexpr double kZeroFloor = 1e-15;
  EXPECT_NEAR(actual, expected, std::max(relative * std::fabs(expected), kZeroFloor)) << what;
}

TEST(PolarLiftingLine, StraightLiftLineGivesTheLinearSolution) {
  struct Wing {
    int n;
    std::optional<double> taper;
    Sections sections;
  };
  for (const Wing& shape : {Wing{15, std::nullopt, {}}, Wing{9, 0.45, {5.8, -2, -3}}, Wing{99, 0.2, {6.1, 1, 2}}}) {
    SCOPED_TRACE(shape.n);
    const Record wing = TenByTenWing(shape.n, shape.taper, shape.sections);
    const Sections& s = shape.sections;
    PolarLiftingLine solver(*wing, BothSections(LinearPolar(s.slope, s.zeroLift, kProfileDrag, -30, 30)));
    for (const double alfaK : {-4.0, 0.0, 3.0, 8.0}) {
      const PolarSolve point = solver.SolveAtAngle(alfaK);
      ASSERT_TRUE(point) << point.Message();
      const Record linear = LinearSolution(*wing, SolutionMode::GivenAngle, alfaK);
      ExpectRelativelyNear(point->CL, linear->CL, kSameAsLinear, "CL");
      ExpectRelativelyNear(point->CDi, linear->CDi, kSameAsLinear, "CDi");
      // The elliptic wing's chord times sin(theta) is what the trapezoidal rule sums exactly.
      if (!shape.taper) ExpectRelativelyNear(point->CDp, kProfileDrag, 1e-12, "CDp");
    }
    for (const double CL : {0.25, 0.9}) {
      const PolarSolve point = SolveForCL(solver, CL);
      ASSERT_TRUE(point) << point.Message();
      const Record linear = LinearSolution(*wing, SolutionMode::GivenCL, CL);
      ExpectRelativelyNear(point->CL, CL, 1e-12, "CL");
      ExpectRelativelyNear(point->AlfaK, linear->AlfaK, kSameAsLinear, "AlfaK");
      ExpectRelativelyNear(point->CDi, linear->CDi, kSameAsLinear, "CDi");
    }
  }
}

TEST(PolarLiftingLine, SolutionsMeetTheirEquations) {
  const Record wing = TenByTenWing(21, 0.4, {.twist = -2});
  const WingPolars polars{ShippedPolar("naca4412-re1e6.txt"), ShippedPolar("naca0012-re1e6.txt")};
  PolarLiftingLine solver(*wing, polars);
  const Module_ortak& m = *wing;
  for (const double alfaK : {-3.0, 6.0, 13.0, 16.0}) {
    const PolarSolve point = solver.SolveAtAngle(alfaK);
    ASSERT_TRUE(point) << point.Message();
    const PolarSolution& s = *point;
    for (int i = 1; i <= 21; ++i) {
      double lift = 0;
      double ind = 0;
      for (int j = 1; j <= 21; ++j) {
        lift += s.An[j] * m.SinTab[i][j];
        ind += (2 * j - 1) * s.An[j] * m.SinTab[i][j] / std::sin(m.theta[i]);
      }
      const double alfaE = 180 * (m.Pi * alfaK / 180 + m.BetaR[i] - ind) / m.Pi;
      const PolarValues cl = polars.At(m.y[i] / m.SemiSpan, alfaE);
      const PolarStation& station = s.stations[i - 1];
      EXPECT_NEAR(station.AlfaE, alfaE, 1e-9);
      EXPECT_NEAR(lift, m.c[i] / (8 * m.SemiSpan) * cl.cl, 1e-12) << "station " << i;
      EXPECT_EQ(station.stalled, cl.clSlope <= 0);
    }
    EXPECT_EQ(s.CL, s.An[1] * (m.AR * m.Pi));
    EXPECT_EQ(s.CD, s.CDi + s.CDp);
    EXPECT_EQ(s.LD, s.CL / s.CD);
  }
}

TEST(PolarLiftingLine, LookupOffsetShiftsTheStationsAngle) {
  const Record wing = TenByTenWing(15, 0.5, {});
  PolarLiftingLine plain(*wing, BothSections(ShippedPolar("naca2412-re1e6.txt")));
  PolarLiftingLine shifted(*wing, plain.Polars(), std::vector<double>(15, 2.0));
  const PolarSolve higher = plain.SolveAtAngle(7);
  const PolarSolve offset = shifted.SolveAtAngle(5);
  ASSERT_TRUE(higher && offset);
  ExpectRelativelyNear(offset->CL, higher->CL, 1e-9, "CL");
  EXPECT_NEAR(offset->stations[7].AlfaE + 2, higher->stations[7].AlfaE, 1e-9);
}

TEST(PolarLiftingLine, RefusesOutsideThePolarsAndAboveCLmax) {
  const Record wing = TenByTenWing(9, 0.5, {});
  PolarLiftingLine narrow(*wing, BothSections(LinearPolar(kTwoPiAsSaved, 0, kProfileDrag, -5, 5)));
  const std::vector<PolarSolve> sweep = SweepAngles(narrow, std::vector<double>{0, 15, 1});
  ASSERT_EQ(sweep.size(), 3u);
  EXPECT_TRUE(sweep[0] && sweep[2]);
  EXPECT_NE(sweep[1].Message().find("Kök açısı 15° için 1. istasyonun (y = 4.924 m) açısı"), std::string::npos)
      << sweep[1].Message();
  EXPECT_NE(sweep[1].Message().find("polarların aralığı: -5° … 5°"), std::string::npos) << sweep[1].Message();

  PolarLiftingLine real(*wing, BothSections(ShippedPolar("naca2412-re1e6.txt")));
  const PolarSolve top = FindWingCLmax(real);
  ASSERT_TRUE(top);
  const PolarSolve above = SolveForCL(real, top->CL + 0.01);
  EXPECT_NE(above.Message().find("CLmax = " + PolarMessageNumber(top->CL)), std::string::npos) << above.Message();

  Module_ortak noStations;
  EXPECT_EQ(PolarLiftingLine(noStations, real.Polars()).SolveAtAngle(0).Message(), kNotFiniteMessage);
}

}  // namespace
}  // namespace kelvane::testing
