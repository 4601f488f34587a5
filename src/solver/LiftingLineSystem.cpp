// The stages that set up the lifting-line equations: section properties, twist, the operating point
// and the collocation system. Each stores its results only when all of them are finite.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"
#include "solver/SolverRange.h"

namespace kelvane {

bool SectionTables() {
  const std::optional<int> count = SolvedStationCount();
  if (!count) return false;
  const int n = *count;
  const Module_ortak& m = ortak;
  StationTable alfa0R = m.Alfa0R;
  StationTable asz = m.Asz;
  for (int i = 1; i <= n; ++i) {
    alfa0R[i] = m.Pi * (m.Alfa0K - m.y[i] * (m.Alfa0K - m.Alfa0U) / m.SemiSpan) / 180;
    asz[i] = m.AszK - m.y[i] * (m.AszK - m.AszU) / m.SemiSpan;
  }
  if (!AllFinite(alfa0R, 1, n) || !AllFinite(asz, 1, n)) return false;
  ortak.Alfa0R = alfa0R;
  ortak.Asz = asz;
  return true;
}

bool TwistTable() {
  const std::optional<int> count = SolvedStationCount();
  if (!count) return false;
  const int n = *count;
  const Module_ortak& m = ortak;
  StationTable betaR = m.BetaR;
  for (int i = 1; i <= n; ++i) betaR[i] = m.Pi * (m.y[i] * (m.dAlfa / m.SemiSpan)) / 180;
  if (!AllFinite(betaR, 1, n)) return false;
  ortak.BetaR = betaR;
  return true;
}

bool PrepareMode(SolutionMode mode) {
  if (mode == SolutionMode::GivenAngle) {
    const double alfaKR = ortak.Pi * ortak.AlfaK / 180;
    if (!std::isfinite(alfaKR)) return false;
    ortak.AlfaKR = alfaKR;
  } else {
    const double an1 = (ortak.CL / ortak.Pi) / ortak.AR;
    if (!std::isfinite(an1)) return false;
    ortak.An[1] = an1;
  }
  return true;
}

bool MuTable() {
  const std::optional<int> count = SolvedStationCount();
  if (!count) return false;
  const int n = *count;
  const Module_ortak& m = ortak;
  StationTable mu = m.mu;
  for (int i = 1; i <= n; ++i) mu[i] = m.c[i] * m.Asz[i] / (8 * m.SemiSpan);
  if (!AllFinite(mu, 1, n)) return false;
  ortak.mu = mu;
  return true;
}

bool BuildSystem(SolutionMode mode) {
  const std::optional<int> count = SolvedStationCount();
  if (!count) return false;
  const int n = *count;
  const int n1 = n + 1;
  const Module_ortak& m = ortak;
  // Rows 0..N built aside, so that a failure leaves the record's matrices as they were.
  std::vector<StationTable> sinTab(m.SinTab.begin(), m.SinTab.begin() + n1);
  std::vector<StationTable> coef(m.CoefMatrix.begin(), m.CoefMatrix.begin() + n1);
  for (int i = 1; i <= n; ++i) {
    const double s = std::sin(m.theta[i]);
    StationTable& row = coef[i];
    for (int j = 1; j <= n; ++j) {
      const double harmonic = 2 * j - 1;
      sinTab[i][j] = std::sin(harmonic * m.theta[i]);
      row[j] = sinTab[i][j] * (1 + harmonic * m.mu[i] / s);
    }
    row[n1] = m.mu[i] * (m.BetaR[i] - m.Alfa0R[i]);
    if (mode == SolutionMode::GivenAngle) {
      row[n1] = row[n1] + m.AlfaKR * m.mu[i];
    } else {
      // An(1) is fixed by CL, so its column carries the unknown root angle instead.
      row[n1] = row[n1] - m.An[1] * row[1];
      row[1] = -m.mu[i];
    }
  }
  if (!AllFinite(sinTab, n) || !AllFinite(coef, n1)) return false;
  std::copy(sinTab.begin() + 1, sinTab.end(), ortak.SinTab.begin() + 1);
  std::copy(coef.begin() + 1, coef.end(), ortak.CoefMatrix.begin() + 1);
  return true;
}

}  // namespace kelvane
