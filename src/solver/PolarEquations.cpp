// Evaluating the section-polar lifting-line equations and solving them by damped Newton steps.
#include "solver/PolarEquations.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace kelvane {
namespace {

// A step is halved at most this often before the iteration gives up at this iterate.
constexpr int kMaxHalvings = 8;

}  // namespace

PolarEquations::PolarEquations(const Module_ortak& wing, int n, WingPolars polars,
                               const std::vector<double>& lookupOffsets)
    : wing_(std::make_unique<PolarWing>()), polars_(std::move(polars)), work_(std::make_unique<Work>()) {
  PolarWing& w = *wing_;
  w.n = n;
  w.b = wing.b;
  w.S = wing.S;
  w.AR = wing.AR;
  w.Pi = wing.Pi;
  for (int i = 1; i <= n; ++i) {
    w.y[i] = wing.y[i];
    w.c[i] = wing.c[i];
    w.theta[i] = wing.theta[i];
    w.sinTheta[i] = std::sin(wing.theta[i]);
    w.BetaR[i] = wing.BetaR[i];
    w.chordFactor[i] = wing.c[i] / (8 * wing.SemiSpan);
    w.eta[i] = wing.y[i] / wing.SemiSpan;
    const std::size_t k = static_cast<std::size_t>(i - 1);
    w.lookupOffset[i] = k < lookupOffsets.size() ? lookupOffsets[k] : 0;
    for (int j = 1; j <= n; ++j) {
      w.SinTab[i][j] = wing.SinTab[i][j];
      w.SinTabByHarmonic[j][i] = wing.SinTab[i][j];
    }
  }
}

void PolarEquations::Evaluate(const PolarState& x, PolarEvaluation& at) const {
  const PolarWing& w = *wing_;
  // Harmonic by harmonic over all stations at once: each station's sums still add up in increasing j.
  StationTable lift{};
  StationTable induced{};
  for (int j = 1; j <= w.n; ++j) {
    const double an = x.An[j];
    const double weighted = Harmonic(j) * an;  // n·An(j), the induced angle's coefficient
    const double* sines = w.SinTabByHarmonic[j].data();
    for (int i = 1; i <= w.n; ++i) {
      lift[i] = lift[i] + an * sines[i];
      induced[i] = induced[i] + weighted * sines[i];
    }
  }
  at.largest = 0;
  at.sumSquares = 0;
  for (int i = 1; i <= w.n; ++i) {
    const double ind = induced[i] / w.sinTheta[i];
    at.AlfaE[i] = 180 * (x.AlfaKR + w.BetaR[i] - ind) / w.Pi;
    const PolarValues polar = polars_.At(w.eta[i], at.AlfaE[i] + w.lookupOffset[i]);
    at.cl[i] = polar.cl;
    at.cd[i] = polar.cd;
    at.clSlope[i] = polar.clSlope;
    const double r = lift[i] - w.chordFactor[i] * polar.cl;
    at.residual[i] = r;
    at.largest = std::fmax(at.largest, std::fabs(r));
    at.sumSquares = at.sumSquares + r * r;
  }
  // A value that is not finite must never pass for a converged or a better iterate.
  if (!std::isfinite(at.sumSquares)) at.largest = at.sumSquares = INFINITY;
}

bool PolarEquations::NewtonStep(SolutionMode mode) {
  const PolarWing& w = *wing_;
  const PolarEvaluation& at = work_->current;
  Matrix& a = work_->jacobian;
  const int n1 = w.n + 1;
  for (int i = 1; i <= w.n; ++i) {
    // d(c/(8·SemiSpan)·cl)/d(angle in radians): the linear solution's mu with the polar's local slope.
    const double k = w.chordFactor[i] * at.clSlope[i] * (180 / w.Pi);
    const double perSine = k / w.sinTheta[i];
    const double* sines = w.SinTab[i].data();
    double* row = a[i].data();
    for (int j = 1; j <= w.n; ++j) row[j] = sines[j] * (1 + Harmonic(j) * perSine);
    if (mode == SolutionMode::GivenCL) row[1] = -k;
    row[n1] = -at.residual[i];
  }
  if (!EliminateForward(a, w.n, work_->steps)) return false;
  SubstituteBack(a, w.n, work_->delta);
  for (int j = 1; j <= w.n; ++j)
    if (!std::isfinite(work_->delta[j])) return false;
  return true;
}

PolarState PolarEquations::Along(SolutionMode mode, const PolarState& x, double fraction) const {
  const StationTable& delta = work_->delta;
  PolarState next = x;
  for (int j = 1; j <= wing_->n; ++j) next.An[j] = x.An[j] + fraction * delta[j];
  if (mode == SolutionMode::GivenCL) {
    next.An[1] = x.An[1];
    next.AlfaKR = x.AlfaKR + fraction * delta[1];
  }
  return next;
}

NewtonRun PolarEquations::Solve(SolutionMode mode, PolarState& x, int maxSteps) {
  Work& work = *work_;
  Evaluate(x, work.current);
  for (int step = 0;; ++step) {
    if (work.current.largest <= kConvergedResidual) return {true, step};
    if (step == maxSteps || !NewtonStep(mode)) return {false, step};
    double fraction = 1;
    bool fell = false;
    for (int halving = 0; halving <= kMaxHalvings && !fell; ++halving, fraction /= 2) {
      const PolarState trial = Along(mode, x, fraction);
      Evaluate(trial, work.trial);
      if (work.trial.sumSquares < work.current.sumSquares) {
        x = trial;
        std::swap(work.current, work.trial);
        fell = true;
      }
    }
    if (!fell) return {false, step + 1};
  }
}

}  // namespace kelvane
