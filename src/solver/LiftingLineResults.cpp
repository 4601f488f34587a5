// The stages that turn the solved system into results: the Fourier coefficients, the spanwise
// distributions, the wing coefficients and the equivalent elliptic wing.
#include <cmath>
#include <optional>

#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"
#include "solver/Stage.h"

namespace kelvane {
namespace {

// Intervals of the elliptic wing's comparison curves.
constexpr int kComparisonIntervals = 30;

// Stations whose series sums are added up side by side.
constexpr int kRowsTogether = 4;

// For stations first..first + Rows - 1: the sums over j = 1..n of SinTab(i,j)·a(j) and of SinTab(i,j)·b(j),
// each added up in increasing j as written. Both sums of a station share one pass over its row, and the
// stations go side by side so that no addition waits for the one before it in the same sum.
template <int Rows>
void SeriesSums(const Matrix& sinTab, int first, int n, const StationTable& a, const StationTable& b,
                StationTable& aSums, StationTable& bSums) {
  double aSum[Rows] = {};
  double bSum[Rows] = {};
  for (int j = 1; j <= n; ++j) {
    for (int r = 0; r < Rows; ++r) {
      aSum[r] = aSum[r] + sinTab[first + r][j] * a[j];
      bSum[r] = bSum[r] + sinTab[first + r][j] * b[j];
    }
  }
  for (int r = 0; r < Rows; ++r) {
    aSums[first + r] = aSum[r];
    bSums[first + r] = bSum[r];
  }
}

}  // namespace

Outcome UnpackSolution(Module_ortak& record, SolutionMode mode) {
  return RunStage(
      record,
      [mode](const Module_ortak& m, int n, StationTable& an, double& alfaKR, double& alfaK) {
        if (mode == SolutionMode::GivenAngle) {
          an[1] = m.X[1];
        } else {
          alfaKR = m.X[1];
          alfaK = 180 * alfaKR / m.Pi;
          an[1] = m.CL / (m.AR * m.Pi);
        }
        for (int j = 2; j <= n; ++j) an[j] = m.X[j];
      },
      &Module_ortak::An, &Module_ortak::AlfaKR, &Module_ortak::AlfaK);
}

Outcome Distributions(Module_ortak& record) {
  return RunStage(
      record,
      [](const Module_ortak& m, int n, StationTable& gamma, StationTable& w, StationTable& eps, StationTable& alfaR,
         StationTable& alfaE) {
        StationTable weighted{};  // An(j)·(2j - 1), the downwash's coefficients
        for (int j = 1; j <= n; ++j) weighted[j] = m.An[j] * Harmonic(j);
        StationTable gammaSums{};
        StationTable wSums{};
        int i = 1;
        for (; i + kRowsTogether - 1 <= n; i += kRowsTogether)
          SeriesSums<kRowsTogether>(m.SinTab, i, n, m.An, weighted, gammaSums, wSums);
        for (; i <= n; ++i) SeriesSums<1>(m.SinTab, i, n, m.An, weighted, gammaSums, wSums);

        for (i = 1; i <= n; ++i) {
          gamma[i] = gammaSums[i] * (m.Voo * (4 * m.SemiSpan));
          w[i] = wSums[i] * m.Voo / std::sin(m.theta[i]);
          eps[i] = w[i] / m.Voo;
        }
        for (i = 1; i <= n; ++i) {
          alfaR[i] = m.BetaR[i] + m.AlfaKR;
          alfaE[i] = 180 * (alfaR[i] - eps[i]) / m.Pi;
        }
      },
      &Module_ortak::Gamma, &Module_ortak::w, &Module_ortak::Eps, &Module_ortak::AlfaR, &Module_ortak::AlfaE);
}

std::optional<double> InducedDragDelta(const Module_ortak& m) {
  const std::optional<int> count = StationCount(m);
  if (!count) return std::nullopt;
  return InducedDragDelta(m.An, *count);
}

std::optional<double> InducedDragDelta(const StationTable& an, int n) {
  const double an1 = an[1];
  if (an1 == 0) return std::nullopt;
  double delta = 0;
  for (int j = 2; j <= n; ++j) {
    const double ratio = an[j] / an1;
    delta = delta + Harmonic(j) * (ratio * ratio);
  }
  return delta;
}

InducedDrag InducedDragOf(const StationTable& an, int n, double CL, double AR, double Pi) {
  if (const std::optional<double> delta = InducedDragDelta(an, n)) {
    const double cdi = (1 + *delta) * (CL * CL / Pi / AR);
    return {.CDi = cdi, .E = CL / cdi};
  }
  // Zero lift: the drag ratio relative to An(1) is undefined, but a twisted wing still sheds vortices, so
  // the drag comes straight from the higher harmonics; with no lift E is 0.
  double s = 0;
  for (int j = 2; j <= n; ++j) s = s + Harmonic(j) * (an[j] * an[j]);
  return {.CDi = (AR * Pi) * s, .E = 0};
}

Outcome WingCoefficients(Module_ortak& record, SolutionMode mode) {
  return RunStage(
      record,
      [mode](const Module_ortak& m, int n, double& cl, double& cdi, double& e) {
        if (mode == SolutionMode::GivenAngle) cl = m.An[1] * (m.AR * m.Pi);
        const InducedDrag drag = InducedDragOf(m.An, n, cl, m.AR, m.Pi);
        cdi = drag.CDi;
        e = drag.E;
      },
      &Module_ortak::CL, &Module_ortak::CDi, &Module_ortak::E);
}

// The remaining stages need no stations, so they check and store by themselves.
Outcome EllipticWing(Module_ortak& m, EllipticWingResult& result) {
  const double cdiE = m.CL * m.CL / (m.AR * m.Pi);
  const double liftSlope = m.AszK / (1 + m.AszK / (m.AR * m.Pi));
  // A zero slope leaves the root angle undefined; an infinite one (zero denominator) is meaningless.
  if (liftSlope == 0 || !std::isfinite(liftSlope)) return Outcome::Refused(kNoEllipticWingMessage);
  const double alfE = 180 * (m.CL / liftSlope + m.Pi * m.Alfa0K / 180) / m.Pi;
  const double ee = cdiE != 0 ? m.CL / cdiE : 0;
  if (!std::isfinite(cdiE) || !std::isfinite(alfE) || !std::isfinite(ee))
    return Outcome::Refused(kNoEllipticWingMessage);
  m.AlfE = alfE;
  result = {cdiE, ee};
  return Outcome::Done();
}

Outcome ComparisonCurves(Module_ortak& m) {
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
    return Outcome::Refused(kNotFiniteMessage);
  m.SemiSpan = semiSpan;
  m.nE = kComparisonIntervals;
  m.yE = yE;
  m.GammaE = gammaE;
  m.AlfaEE = alfaEE;
  return Outcome::Done();
}

}  // namespace kelvane
