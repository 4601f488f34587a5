// The stages that set up the lifting-line equations: section properties, twist, the operating point
// and the collocation system.
#include <cmath>
#include <optional>

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"
#include "solver/Stage.h"
#include "solver/SystemCache.h"

namespace kelvane {
namespace {

// Row i's right-hand side, given CoefMatrix(i,1) as built (before the given-CL mode replaces it).
double RightHandSide(const Module_ortak& m, int i, SolutionMode mode, double firstHarmonic) {
  double rhs = m.mu[i] * (m.BetaR[i] - m.Alfa0R[i]);
  if (mode == SolutionMode::GivenAngle) {
    rhs = rhs + m.AlfaKR * m.mu[i];
  } else {
    // An(1) is fixed by CL, so its column carries the unknown root angle instead.
    rhs = rhs - m.An[1] * firstHarmonic;
  }
  return rhs;
}

// The sine table and the matrix without its right-hand side, for the wing and mode in the record, computed
// aside in kept. False, leaving kept unusable, when a value is not finite: |sin| <= 1 and rounding keeps
// the order of magnitudes, so the largest harmonic 2N - 1 makes each row's largest argument and largest
// factor, and its coefficient is finite exactly when every sine and coefficient of the row is.
bool MakeSystem(const Module_ortak& m, int n, SolutionMode mode, KeptSystem& kept) {
  kept.valid = false;
  for (int i = 1; i <= n; ++i) {
    const double theta = m.theta[i];
    const double mu = m.mu[i];
    const double s = std::sin(theta);
    double* const sines = kept.sinTab[i].data();
    double* const row = kept.coefficients[i].data();
    // Two loops: the sines are library calls, the coefficients then vectorise.
    for (int j = 1; j <= n; ++j) sines[j] = std::sin(Harmonic(j) * theta);
    for (int j = 1; j <= n; ++j) row[j] = sines[j] * (1 + Harmonic(j) * mu / s);
    if (!std::isfinite(row[n])) return false;
    kept.firstHarmonicColumn[i] = row[1];
    if (mode == SolutionMode::GivenCL) row[1] = -mu;
  }
  kept.n = n;
  kept.mode = mode;
  kept.theta = m.theta;
  kept.mu = m.mu;
  kept.valid = true;
  return true;
}

}  // namespace

Outcome SectionTables(Module_ortak& record) {
  return RunStage(
      record,
      [](const Module_ortak& m, int n, StationTable& alfa0R, StationTable& asz) {
        for (int i = 1; i <= n; ++i) {
          alfa0R[i] = m.Pi * (m.Alfa0K - m.y[i] * (m.Alfa0K - m.Alfa0U) / m.SemiSpan) / 180;
          asz[i] = m.AszK - m.y[i] * (m.AszK - m.AszU) / m.SemiSpan;
        }
      },
      &Module_ortak::Alfa0R, &Module_ortak::Asz);
}

Outcome TwistTable(Module_ortak& record) {
  return RunStage(
      record,
      [](const Module_ortak& m, int n, StationTable& betaR) {
        for (int i = 1; i <= n; ++i) betaR[i] = m.Pi * (m.y[i] * (m.dAlfa / m.SemiSpan)) / 180;
      },
      &Module_ortak::BetaR);
}

// Needs no stations, so it checks and stores by itself.
Outcome PrepareMode(Module_ortak& m, SolutionMode mode) {
  if (mode == SolutionMode::GivenAngle) {
    const double alfaKR = m.Pi * m.AlfaK / 180;
    if (!std::isfinite(alfaKR)) return Outcome::Refused(kNotFiniteMessage);
    m.AlfaKR = alfaKR;
  } else {
    const double an1 = (m.CL / m.Pi) / m.AR;
    if (!std::isfinite(an1)) return Outcome::Refused(kNotFiniteMessage);
    m.An[1] = an1;
  }
  return Outcome::Done();
}

Outcome MuTable(Module_ortak& record) {
  return RunStage(
      record,
      [](const Module_ortak& m, int n, StationTable& mu) {
        for (int i = 1; i <= n; ++i) mu[i] = m.c[i] * m.Asz[i] / (8 * m.SemiSpan);
      },
      &Module_ortak::mu);
}

// Computes aside and checks before it stores, as every stage does, but in the cache's kept system
// (solver/SystemCache.h) rather than in copies of the two matrices.
Outcome BuildSystem(Module_ortak& m, SolutionMode mode, SystemCache& cache) {
  const Outcome notFinite = Outcome::Refused(kNotFiniteMessage);
  const std::optional<int> count = StationCount(m);
  if (!count) return notFinite;
  const int n = *count;
  KeptSystem& kept = cache.System();
  if (!kept.MadeFrom(m, n, mode) && !MakeSystem(m, n, mode, kept)) return notFinite;
  StationTable rhs{};
  for (int i = 1; i <= n; ++i) rhs[i] = RightHandSide(m, i, mode, kept.firstHarmonicColumn[i]);
  if (!AllFinite(rhs, 1, n)) return notFinite;

  CopyBlock(kept.sinTab, m.SinTab, n, n);
  CopyBlock(kept.coefficients, m.CoefMatrix, n, n);
  for (int i = 1; i <= n; ++i) m.CoefMatrix[i][n + 1] = rhs[i];
  return Outcome::Done();
}

}  // namespace kelvane
