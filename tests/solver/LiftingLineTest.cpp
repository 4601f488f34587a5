// Tests of the lifting-line stages on known wings.
#include "solver/LiftingLine.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "solver/Gauss.h"
#include "support/OutcomeChecks.h"
#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::EllipticChords;
using testing::kTwoPiAsSaved;
using testing::PlaceStations;
using testing::Refused;
using testing::ResetTestRecord;
using testing::SolveOnRecord;
using testing::TaperedChords;
using testing::testCache;
using testing::testRecord;
using testing::UniformSections;

constexpr double kRootAngle = 10;
constexpr double kDisplayTolerance = 5e-7;   // the six-digit figures quoted for these wings
constexpr double kExampleTolerance = 1e-12;  // relative, against the saved worked examples

// b = S = AR = 10, equal sections of slope 2π, no twist, given root angle 10 degrees.
void SetUpWing(int n, double taper, bool elliptic) {
  ResetTestRecord();
  PlaceStations(10, 10, 10, n);
  if (elliptic) {
    EllipticChords();
  } else {
    TaperedChords(taper);
  }
  UniformSections(kTwoPiAsSaved);
  testRecord.AlfaK = kRootAngle;
}

double InducedDragFactor() {
  return testRecord.CDi * testRecord.Pi * testRecord.AR / (testRecord.CL * testRecord.CL) - 1;
}

TEST(LiftingLine, EllipticWingGivenAngleMatchesTheEllipticTheory) {
  SetUpWing(15, 1, true);
  const std::optional<EllipticWingResult> elliptic = SolveOnRecord(SolutionMode::GivenAngle);
  ASSERT_TRUE(elliptic);
  EXPECT_NEAR(testRecord.An[1], 0.0290888, kDisplayTolerance);
  for (int j = 2; j <= 15; ++j) EXPECT_NEAR(testRecord.An[j], 0, 1e-15) << j;
  EXPECT_NEAR(testRecord.CL, 0.913852, kDisplayTolerance);
  EXPECT_NEAR(InducedDragFactor(), 0, 1e-12);
  EXPECT_NEAR(testRecord.CDi, 0.0265829, kDisplayTolerance);
  EXPECT_NEAR(elliptic->CDiE, 0.0265829, kDisplayTolerance);
  EXPECT_NEAR(testRecord.E, 34.3775, 5e-5);
  EXPECT_NEAR(elliptic->EE, 34.3775, 5e-5);
  EXPECT_NEAR(testRecord.AlfE, 10, 1e-12);
  for (int i = 1; i <= 15; ++i) EXPECT_NEAR(testRecord.AlfaE[i], 8.33333, 5e-6) << i;
  EXPECT_NEAR(testRecord.AlfaEE, 8.33333, 5e-6);
  EXPECT_NEAR(testRecord.Gamma[15], 0.581776, kDisplayTolerance);
  EXPECT_NEAR(testRecord.GammaE[static_cast<int>(testRecord.nE)], 0.581776, kDisplayTolerance);
}

TEST(LiftingLine, GivenLiftFindsTheRootAngleThatGivesIt) {
  SetUpWing(15, 1, true);
  testRecord.AlfaK = 0;
  testRecord.CL = 0.913852;
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenCL));
  EXPECT_NEAR(testRecord.AlfaK, 10, 5e-4);
  EXPECT_NEAR(testRecord.AlfaKR, testRecord.Pi * 10 / 180, 1e-5);
  EXPECT_EQ(testRecord.CL, 0.913852);
  EXPECT_NEAR(testRecord.CDi, 0.0265829, kDisplayTolerance);
}

TEST(LiftingLine, RectangularWingLosesLiftToTheTips) {
  SetUpWing(15, 1, false);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  EXPECT_NEAR(testRecord.CL, 0.880827, kDisplayTolerance);
  EXPECT_NEAR(InducedDragFactor(), 0.0859, 5e-5);
  EXPECT_NEAR(testRecord.CDi, 0.0268173, kDisplayTolerance);
  EXPECT_NEAR(testRecord.E, 32.845, 5e-4);
  EXPECT_NEAR(testRecord.AlfaE[15], 8.928, 5e-4);
  EXPECT_NEAR(testRecord.AlfaE[1], 1.970, 5e-4);
  for (int i = 2; i <= 15; ++i) {
    EXPECT_GT(testRecord.AlfaE[i], testRecord.AlfaE[1]) << i;
    EXPECT_LE(testRecord.AlfaE[i], testRecord.AlfaE[15]) << i;
  }
}

// Full-precision results saved in tests/examples for the wing of SetUpWing.
TEST(LiftingLine, ReproducesTheSavedWorkedExamples) {
  struct Case {
    const char* folder;
    int n;
    bool elliptic;
    double cl, cdi, e, alfE, cdiE, ee;
  };
  const Case cases[] = {
      {"01-default-elliptic", 15, true, 0.913852259360126, 0.026582884671038955, 34.377467707849384, 10.0,
       0.026582884671038955, 34.377467707849384},
      {"07-rectangular-N3-detail", 3, false, 0.8776838185886968, 0.02625780477340736, 33.425635774304055,
       9.604220043218428, 0.0245203299839719, 35.79412753263959},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    SetUpWing(c.n, 1, c.elliptic);
    const std::optional<EllipticWingResult> elliptic = SolveOnRecord(SolutionMode::GivenAngle);
    ASSERT_TRUE(elliptic);
    for (auto [actual, expected] : {std::pair{testRecord.CL, c.cl},
                                    {testRecord.CDi, c.cdi},
                                    {testRecord.E, c.e},
                                    {testRecord.AlfE, c.alfE},
                                    {elliptic->CDiE, c.cdiE},
                                    {elliptic->EE, c.ee}})
      EXPECT_NEAR(actual, expected, expected * kExampleTolerance);
  }
}

TEST(LiftingLine, SmallerSecondSolutionEqualsAFreshOne) {
  SetUpWing(5, 1, false);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  const Module_ortak fresh = testRecord;

  SetUpWing(15, 1, false);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  PlaceStations(10, 10, 10, 5);
  TaperedChords(1);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));

  EXPECT_EQ(testRecord.CL, fresh.CL);
  EXPECT_EQ(testRecord.CDi, fresh.CDi);
  EXPECT_EQ(testRecord.E, fresh.E);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(testRecord.An[i], fresh.An[i]) << i;
    EXPECT_EQ(testRecord.Gamma[i], fresh.Gamma[i]) << i;
    EXPECT_EQ(testRecord.AlfaE[i], fresh.AlfaE[i]) << i;
  }
  EXPECT_NE(testRecord.Gamma[6], 0);  // the larger run's entries stay beyond N
}

// At zero lift the drag comes from the higher harmonics alone, whatever an earlier solution left: nothing
// for an untwisted wing, and for a twisted one the limit the lifting formula approaches as CL goes to 0.
TEST(LiftingLine, ZeroLiftHasItsOwnDrag) {
  SetUpWing(15, 0.5, false);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  ASSERT_GT(testRecord.CDi, 0);
  testRecord.CL = 0;
  const std::optional<EllipticWingResult> elliptic = SolveOnRecord(SolutionMode::GivenCL);
  ASSERT_TRUE(elliptic);
  EXPECT_EQ(testRecord.CL, 0);
  EXPECT_EQ(testRecord.An[1], 0);
  EXPECT_EQ(testRecord.CDi, 0);
  EXPECT_EQ(testRecord.E, 0);
  EXPECT_EQ(elliptic->CDiE, 0);
  EXPECT_EQ(elliptic->EE, 0);

  constexpr double kWashout = -4;
  constexpr double kTinyLift = 1e-7;
  constexpr double kLimitTolerance = 1e-6;  // relative; the lift's own share is of order kTinyLift
  testRecord.dAlfa = kWashout;
  testRecord.CL = kTinyLift;
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenCL));
  const double nearlyZeroLiftDrag = testRecord.CDi;
  testRecord.CL = 0;
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenCL));
  EXPECT_GT(testRecord.CDi, 0);
  EXPECT_NEAR(testRecord.CDi, nearlyZeroLiftDrag, kLimitTolerance * nearlyZeroLiftDrag);
  EXPECT_EQ(testRecord.E, 0);
}

// The classic collocation equations, solved in long double with complete pivoting: a reference that
// shares no code with the stages.
long double ReferenceLift() {
  const int n = static_cast<int>(testRecord.N);
  const long double pi = std::acos(-1.0L);
  const long double alpha = pi * kRootAngle / 180;
  std::vector<std::vector<long double>> a(n, std::vector<long double>(n + 1));
  for (int i = 0; i < n; ++i) {
    const long double theta = pi / 2 * (i + 1) / n;
    const long double mu = testRecord.c[i + 1] * static_cast<long double>(kTwoPiAsSaved) / (4 * testRecord.b);
    for (int j = 0; j < n; ++j) {
      const long double harmonic = 2 * j + 1;
      a[i][j] = std::sin(harmonic * theta) * (1 + harmonic * mu / std::sin(theta));
    }
    a[i][n] = mu * alpha;
  }
  std::vector<int> unknownAt(n);
  for (int j = 0; j < n; ++j) unknownAt[j] = j;
  for (int k = 0; k < n; ++k) {
    int pr = k;
    int pc = k;
    for (int r = k; r < n; ++r) {
      for (int col = k; col < n; ++col) {
        if (std::fabs(a[r][col]) > std::fabs(a[pr][pc])) {
          pr = r;
          pc = col;
        }
      }
    }
    std::swap(a[k], a[pr]);
    for (auto& row : a) std::swap(row[k], row[pc]);
    std::swap(unknownAt[k], unknownAt[pc]);
    for (int r = k + 1; r < n; ++r) {
      const long double f = a[r][k] / a[k][k];
      for (int col = k; col <= n; ++col) a[r][col] -= f * a[k][col];
    }
  }
  std::vector<long double> solution(n);
  for (int k = n - 1; k >= 0; --k) {
    long double s = a[k][n];
    for (int col = k + 1; col < n; ++col) s -= a[k][col] * solution[unknownAt[col]];
    solution[unknownAt[k]] = s / a[k][k];
  }
  return solution[0] * pi * testRecord.AR;
}

TEST(LiftingLine, ManyStationsAgreeWithAnIndependentSolution) {
  for (double taper : {0.2, 1.0}) {
    SCOPED_TRACE(taper);
    SetUpWing(99, taper, false);
    ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
    const double reference = static_cast<double>(ReferenceLift());
    EXPECT_NEAR(testRecord.CL, reference, reference * 1e-10);
  }
}

// Every number in the record is finite.
bool RecordIsFinite() {
  const Module_ortak& m = testRecord;
  for (double v : {m.AlfaK, m.AlfaKR, m.CL, m.CDi, m.E, m.AlfE, m.AlfaEE, m.SemiSpan, m.nE})
    if (!std::isfinite(v)) return false;
  for (const StationTable* t :
       {&m.AlfaR, &m.Asz, &m.Alfa0R, &m.BetaR, &m.X, &m.An, &m.mu, &m.Gamma, &m.w, &m.Eps, &m.AlfaE, &m.yE, &m.GammaE})
    for (double v : *t)
      if (!std::isfinite(v)) return false;
  for (const Matrix* matrix : {&m.CoefMatrix, &m.SinTab})
    for (const StationTable& row : *matrix)
      for (double v : row)
        if (!std::isfinite(v)) return false;
  return true;
}

TEST(LiftingLine, GivenLiftWithoutLiftSlopeIsASingularSystem) {
  SetUpWing(15, 1, true);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  const double cl = testRecord.CL;
  const StationTable x = testRecord.X;
  UniformSections(0);
  EXPECT_FALSE(SolveOnRecord(SolutionMode::GivenCL));
  EXPECT_EQ(testRecord.X, x);
  EXPECT_EQ(testRecord.CL, cl);
  EXPECT_TRUE(RecordIsFinite());
}

TEST(LiftingLine, EllipticWingNeedsAFiniteNonZeroLiftSlope) {
  SetUpWing(15, 1, true);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  const double alfE = testRecord.AlfE;
  for (double rootSlope : {0.0, -testRecord.Pi * testRecord.AR}) {
    SCOPED_TRACE(rootSlope);
    testRecord.AszK = rootSlope;
    EllipticWingResult result{1, 2};
    EXPECT_EQ(EllipticWing(testRecord, result).Message(), kNoEllipticWingMessage);
    EXPECT_EQ(testRecord.AlfE, alfE);
    EXPECT_EQ(result.CDiE, 1);
    EXPECT_EQ(result.EE, 2);
    EXPECT_TRUE(RecordIsFinite());
  }
}

// BuildSystem checks one coefficient a row; it must refuse exactly when some value of the full system would
// not be finite, and then leave both matrices as they were.
TEST(LiftingLine, BuildSystemRefusesExactlyWhenAValueWouldNotBeFinite) {
  constexpr int kStations = 7;
  constexpr double kLargest = std::numeric_limits<double>::max();
  const double nearOverflow = kLargest / (2 * kStations - 1);
  for (SolutionMode mode : {SolutionMode::GivenAngle, SolutionMode::GivenCL}) {
    for (double mu : {1.0, nearOverflow * 0.5, nearOverflow * 0.999, nearOverflow * 1.001, kLargest,
                      std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
      SCOPED_TRACE(mu);
      SetUpWing(kStations, 1, false);
      ASSERT_TRUE(SolveOnRecord(mode));
      const Module_ortak before = testRecord;
      testRecord.mu[3] = mu;
      testRecord.AlfaKR = testRecord.An[1] = 0;  // the right-hand side stays finite
      bool finite = true;
      for (int i = 1; i <= kStations; ++i) {
        const double s = std::sin(testRecord.theta[i]);
        for (int j = 1; j <= kStations; ++j) {
          const double harmonic = 2 * j - 1;
          finite =
              finite && std::isfinite(std::sin(harmonic * testRecord.theta[i]) * (1 + harmonic * testRecord.mu[i] / s));
        }
      }
      EXPECT_EQ(BuildSystem(testRecord, mode, testCache).IsRefused(), !finite);
      if (!finite) {
        EXPECT_EQ(testRecord.SinTab, before.SinTab);
        EXPECT_EQ(testRecord.CoefMatrix, before.CoefMatrix);
      }
    }
  }
}

TEST(LiftingLine, StagesKeepTheirFieldsWhenAResultIsNotFinite) {
  SetUpWing(15, 1, true);
  ASSERT_TRUE(SolveOnRecord(SolutionMode::GivenAngle));
  const Module_ortak before = testRecord;
  testRecord.SemiSpan = 0;
  EXPECT_TRUE(Refused(SectionTables(testRecord)));
  EXPECT_TRUE(Refused(TwistTable(testRecord)));
  EXPECT_TRUE(Refused(MuTable(testRecord)));
  testRecord.Voo = 0;
  EXPECT_TRUE(Refused(Distributions(testRecord)));
  EXPECT_EQ(testRecord.Asz, before.Asz);
  EXPECT_EQ(testRecord.BetaR, before.BetaR);
  EXPECT_EQ(testRecord.mu, before.mu);
  EXPECT_EQ(testRecord.Gamma, before.Gamma);
  testRecord.AR = 0;
  EXPECT_TRUE(Refused(PrepareMode(testRecord, SolutionMode::GivenCL)));
  EXPECT_TRUE(Refused(WingCoefficients(testRecord, SolutionMode::GivenAngle)));
  EXPECT_EQ(testRecord.An[1], before.An[1]);
  EXPECT_EQ(testRecord.CL, before.CL);
  EXPECT_EQ(testRecord.CDi, before.CDi);
  EXPECT_TRUE(RecordIsFinite());
}

}  // namespace
}  // namespace kelvane
