// The stages that set up the lifting-line equations: section properties, twist, the operating point
// and the collocation system.
#include <cmath>

#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"
#include "solver/Stage.h"

namespace kelvane {

Outcome SectionTables() {
  return RunStage(
      [](const Module_ortak& m, int n, StationTable& alfa0R, StationTable& asz) {
        for (int i = 1; i <= n; ++i) {
          alfa0R[i] = m.Pi * (m.Alfa0K - m.y[i] * (m.Alfa0K - m.Alfa0U) / m.SemiSpan) / 180;
          asz[i] = m.AszK - m.y[i] * (m.AszK - m.AszU) / m.SemiSpan;
        }
      },
      &Module_ortak::Alfa0R, &Module_ortak::Asz);
}

Outcome TwistTable() {
  return RunStage(
      [](const Module_ortak& m, int n, StationTable& betaR) {
        for (int i = 1; i <= n; ++i) betaR[i] = m.Pi * (m.y[i] * (m.dAlfa / m.SemiSpan)) / 180;
      },
      &Module_ortak::BetaR);
}

// Needs no stations, so it checks and stores by itself.
Outcome PrepareMode(SolutionMode mode) {
  if (mode == SolutionMode::GivenAngle) {
    const double alfaKR = ortak.Pi * ortak.AlfaK / 180;
    if (!std::isfinite(alfaKR)) return Outcome::Refused(kNotFiniteMessage);
    ortak.AlfaKR = alfaKR;
  } else {
    const double an1 = (ortak.CL / ortak.Pi) / ortak.AR;
    if (!std::isfinite(an1)) return Outcome::Refused(kNotFiniteMessage);
    ortak.An[1] = an1;
  }
  return Outcome::Done();
}

Outcome MuTable() {
  return RunStage(
      [](const Module_ortak& m, int n, StationTable& mu) {
        for (int i = 1; i <= n; ++i) mu[i] = m.c[i] * m.Asz[i] / (8 * m.SemiSpan);
      },
      &Module_ortak::mu);
}

Outcome BuildSystem(SolutionMode mode) {
  return RunStage(
      [mode](const Module_ortak& m, int n, auto& sinTab, auto& coef) {
        const int n1 = n + 1;
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
      },
      &Module_ortak::SinTab, &Module_ortak::CoefMatrix);
}

}  // namespace kelvane
