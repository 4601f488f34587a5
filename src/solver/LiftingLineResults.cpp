// The stages that turn the solved system into results: the Fourier coefficients, the spanwise
// distributions, the wing coefficients and the equivalent elliptic wing. Each stores its results only
// when all of them are finite.
#include <cmath>
#include <optional>

#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"
#include "solver/SolverRange.h"

namespace kelvane {
namespace {

// Intervals of the elliptic wing's comparison curves.
constexpr int kComparisonIntervals = 30;

double Harmonic(int j) { return 2 * j - 1; }

}  // namespace

bool UnpackSolution(SolutionMode mode) {
  const std::optional<int> count = SolvedStationCount();
  if (!count) return false;
  const int n = *count;
  const Module_ortak& m = ortak;
  StationTable an = m.An;
  double alfaKR = m.AlfaKR;
  double alfaK = m.AlfaK;
  if (mode == SolutionMode::GivenAngle) {
    an[1] = m.X[1];
  } else {
    alfaKR = m.X[1];
    alfaK = 180 * alfaKR / m.Pi;
    an[1] = m.CL / (m.AR * m.Pi);
  }
  for (int j = 2; j <= n; ++j) an[j] = m.X[j];
  if (!AllFinite(an, 1, n) || !std::isfinite(alfaKR) || !std::isfinite(alfaK)) return false;
  ortak.An = an;
  ortak.AlfaKR = alfaKR;
  ortak.AlfaK = alfaK;
  return true;
}

bool Distributions() {
  const std::optional<int> count = SolvedStationCount();
  if (!count) return false;
  const int n = *count;
  const Module_ortak& m = ortak;
  StationTable gamma = m.Gamma;
  StationTable w = m.w;
  StationTable eps = m.Eps;
  StationTable alfaR = m.AlfaR;
  StationTable alfaE = m.AlfaE;
  for (int i = 1; i <= n; ++i) {
    double sum = 0;
    for (int j = 1; j <= n; ++j) sum = sum + m.SinTab[i][j] * m.An[j];
    gamma[i] = sum * (m.Voo * (4 * m.SemiSpan));
  }
  for (int i = 1; i <= n; ++i) {
    double sum = 0;
    for (int j = 1; j <= n; ++j) sum = sum + m.SinTab[i][j] * (m.An[j] * Harmonic(j));
    w[i] = sum * m.Voo / std::sin(m.theta[i]);
    eps[i] = w[i] / m.Voo;
  }
  for (int i = 1; i <= n; ++i) {
    alfaR[i] = m.BetaR[i] + m.AlfaKR;
    alfaE[i] = 180 * (alfaR[i] - eps[i]) / m.Pi;
  }
  for (const StationTable* table : {&gamma, &w, &eps, &alfaR, &alfaE})
    if (!AllFinite(*table, 1, n)) return false;
  ortak.Gamma = gamma;
  ortak.w = w;
  ortak.Eps = eps;
  ortak.AlfaR = alfaR;
  ortak.AlfaE = alfaE;
  return true;
}

std::optional<double> InducedDragDelta() {
  const std::optional<int> count = SolvedStationCount();
  const double an1 = ortak.An[1];
  if (!count || an1 == 0) return std::nullopt;
  double delta = 0;
  for (int j = 2; j <= *count; ++j) {
    const double ratio = ortak.An[j] / an1;
    delta = delta + Harmonic(j) * (ratio * ratio);
  }
  return delta;
}

bool WingCoefficients(SolutionMode mode) {
  if (!SolvedStationCount()) return false;
  const Module_ortak& m = ortak;
  const double cl = mode == SolutionMode::GivenAngle ? m.An[1] * (m.AR * m.Pi) : m.CL;
  double cdi = m.CDi;
  double e = m.E;
  // Zero lift leaves the drag ratio undefined; the previous drag figures stay.
  if (const std::optional<double> delta = InducedDragDelta()) {
    cdi = (1 + *delta) * (cl * cl / m.Pi / m.AR);
    e = cl / cdi;
  }
  if (!std::isfinite(cl) || !std::isfinite(cdi) || !std::isfinite(e)) return false;
  ortak.CL = cl;
  ortak.CDi = cdi;
  ortak.E = e;
  return true;
}

std::optional<EllipticWingResult> EllipticWing() {
  const Module_ortak& m = ortak;
  const double cdiE = m.CL * m.CL / (m.AR * m.Pi);
  const double liftSlope = m.AszK / (1 + m.AszK / (m.AR * m.Pi));
  // A zero slope leaves the root angle undefined; an infinite one (zero denominator) is meaningless.
  if (liftSlope == 0 || !std::isfinite(liftSlope)) return std::nullopt;
  const double alfE = 180 * (m.CL / liftSlope + m.Pi * m.Alfa0K / 180) / m.Pi;
  const double ee = cdiE != 0 ? m.CL / cdiE : 0;
  if (!std::isfinite(cdiE) || !std::isfinite(alfE) || !std::isfinite(ee)) return std::nullopt;
  ortak.AlfE = alfE;
  return EllipticWingResult{cdiE, ee};
}

bool ComparisonCurves() {
  const Module_ortak& m = ortak;
  const double semiSpan = m.b / 2;
  const double dt = m.PiHalf / kComparisonIntervals;
  StationTable yE = m.yE;
  StationTable gammaE = m.GammaE;
  for (int k = 0; k <= kComparisonIntervals; ++k) {
    const double t = dt * k;
    yE[k] = std::cos(t) * semiSpan;
    gammaE[k] = std::sin(t) * (m.An[1] * (m.Voo * (semiSpan * 4)));
  }
  const double alfaEE = m.AlfE - 180 * m.An[1] / m.Pi;
  if (!std::isfinite(semiSpan) || !AllFinite(yE, 0, kComparisonIntervals) ||
      !AllFinite(gammaE, 0, kComparisonIntervals) || !std::isfinite(alfaEE))
    return false;
  ortak.SemiSpan = semiSpan;
  ortak.nE = kComparisonIntervals;
  ortak.yE = yE;
  ortak.GammaE = gammaE;
  ortak.AlfaEE = alfaEE;
  return true;
}

}  // namespace kelvane
