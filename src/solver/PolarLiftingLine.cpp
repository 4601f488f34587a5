// The section-polar lifting line at one operating point: continuation from the last solution, the
// refusals, and the wing's coefficients from the converged equations.
#include "solver/PolarLiftingLine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Counts.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "solver/LiftingLine.h"

namespace kelvane {
namespace {

// Newton steps one operating point may take in all, continuation included.
constexpr int kIterationBudget = 60;
// A predicted start is right when no kink of the polars lies between: then one step finishes it. Past a
// kink it may lead Newton off to another solution, so the start from the last solution takes over.
constexpr int kStepsFromPrediction = 1;
// Continuation moves the root angle by at most this much at a time, and gives up below the smallest step.
constexpr double kLargestStepDegrees = 2;
constexpr double kSmallestStepDegrees = 1.0 / 16;
// A start predicted from the last two solutions reaches at most this many times their distance ahead.
constexpr double kPredictorReach = 2;
// The root station closes the trapezoidal rule of the profile drag: half weight.
constexpr double kRootStationWeight = 0.5;
PolarSolve Refusal(std::string message) { return Outcome::Refused(LimitMessage(std::move(message))); }

PolarSolve NoConvergence(const std::string& point) {
  return Refusal(point + " için kesit polarlı taşıyıcı çizgi denklemleri " + std::to_string(kIterationBudget) +
                 " Newton adımında yakınsamadı");
}

}  // namespace

std::string PolarMessageNumber(double value) {
  constexpr int kShownDecimals = 3;
  return PlainNumberText(RoundTo(value, kShownDecimals));
}

PolarLiftingLine::PolarLiftingLine(const Module_ortak& wing, WingPolars polars,
                                   const std::vector<double>& lookupOffsets)
    : equations_(wing, WholeCount(wing.N, kMaxStationCount).value_or(0), std::move(polars), lookupOffsets) {}

const WingPolars& PolarLiftingLine::Polars() const { return equations_.Polars(); }
int PolarLiftingLine::Stations() const { return equations_.Wing().n; }

void PolarLiftingLine::ContinueFrom(const PolarSolution& solution) {
  last_ = Converged{{solution.An, equations_.Wing().Pi * solution.AlfaK / 180}, std::nullopt};
}

bool PolarLiftingLine::Run(SolutionMode mode, PolarState& x, int& spent, int steps) {
  const NewtonRun run = equations_.Solve(mode, x, std::min(steps, kIterationBudget - spent));
  spent += run.steps;
  if (!run.converged) return false;
  std::optional<PolarState> before;
  if (last_) before = last_->x;
  last_ = Converged{x, before};
  return true;
}

bool PolarLiftingLine::Continue(double targetR, int& spent) {
  const double radiansPerDegree = equations_.Wing().Pi / 180;
  const double largest = kLargestStepDegrees * radiansPerDegree;
  double step = std::clamp(targetR - last_->x.AlfaKR, -largest, largest);
  for (;;) {
    const PolarState from = last_->x;
    const double gap = targetR - from.AlfaKR;
    if (gap == 0) return true;
    const double next = std::fabs(gap) <= std::fabs(step) ? targetR : from.AlfaKR + step;

    // Between kinks of the polars the solution is linear in the root angle: the last two solutions
    // foretell the next one.
    bool solved = false;
    if (last_->before) {
      const PolarState& before = *last_->before;
      const double reach = (next - from.AlfaKR) / (from.AlfaKR - before.AlfaKR);
      if (std::fabs(reach) <= kPredictorReach) {
        PolarState predicted = from;
        predicted.AlfaKR = next;
        for (int j = 1; j <= Stations(); ++j) predicted.An[j] = from.An[j] + (from.An[j] - before.An[j]) * reach;
        solved = Run(SolutionMode::GivenAngle, predicted, spent, kStepsFromPrediction);
      }
    }
    if (!solved) {
      PolarState plain = from;
      plain.AlfaKR = next;
      solved = Run(SolutionMode::GivenAngle, plain, spent);
    }
    if (solved) {
      step = std::clamp(2 * step, -largest, largest);
    } else {
      step /= 2;
      if (spent >= kIterationBudget || std::fabs(step) < kSmallestStepDegrees * radiansPerDegree) return false;
    }
  }
}

bool PolarLiftingLine::StartCold(double targetR, int& spent) {
  // Straight at the target from no circulation: a solution without a stalled station is the only one there
  // is. Otherwise from no circulation at zero root angle, where no station is near stall, continued up.
  last_.reset();
  PolarState direct;
  direct.AlfaKR = targetR;
  if (Run(SolutionMode::GivenAngle, direct, spent)) {
    const PolarEvaluation& at = equations_.LastEvaluation();
    bool stalled = false;
    for (int i = 1; i <= Stations(); ++i) stalled = stalled || at.clSlope[i] <= 0;
    if (!stalled) return true;
  }
  last_.reset();
  PolarState zero;
  return Run(SolutionMode::GivenAngle, zero, spent) && Continue(targetR, spent);
}

PolarSolve PolarLiftingLine::SolveAtAngle(double alfaK) {
  const double targetR = equations_.Wing().Pi * alfaK / 180;
  if (Stations() == 0 || !std::isfinite(targetR)) return Refusal(kNotFiniteMessage);
  int spent = 0;
  const std::optional<Converged> warm = last_;
  bool solved = last_ && Continue(targetR, spent);
  if (!solved) solved = StartCold(targetR, spent);
  if (!solved) {
    last_ = warm;  // the next operating point continues from the last one solved
    return NoConvergence("Kök açısı " + PolarMessageNumber(alfaK) + "°");
  }
  PolarSolve solution = Result(last_->x, spent);
  // The angle asked for, not its round trip through radians: 15 stays 15, not 14.999999999999998.
  if (solution) solution->AlfaK = alfaK;
  return solution;
}

PolarSolve PolarLiftingLine::SolveAtLift(double CL) {
  const PolarWing& w = equations_.Wing();
  const double an1 = (CL / w.Pi) / w.AR;
  if (Stations() == 0 || !std::isfinite(an1)) return Refusal(kNotFiniteMessage);
  PolarState x = last_ ? last_->x : PolarState{};
  x.An[1] = an1;
  int spent = 0;
  if (!Run(SolutionMode::GivenCL, x, spent)) return NoConvergence("CL = " + PlainNumberText(CL));
  return Result(x, spent);
}

PolarSolve PolarLiftingLine::Result(const PolarState& x, int spent) const {
  const PolarWing& w = equations_.Wing();
  const int n = w.n;
  PolarEvaluation at;
  equations_.Evaluate(x, at);
  const double alfaK = 180 * x.AlfaKR / w.Pi;

  const WingPolars& polars = equations_.Polars();
  for (int i = 1; i <= n; ++i) {
    const double lookup = at.AlfaE[i] + w.lookupOffset[i];
    if (!polars.Covers(lookup))
      return Refusal("Kök açısı " + PolarMessageNumber(alfaK) + "° için " + std::to_string(i) +
                     ". istasyonun (y = " + PolarMessageNumber(w.y[i]) + " m) açısı " + PolarMessageNumber(lookup) +
                     "°, kesit polarlarının açı aralığının dışında (polarların aralığı: " +
                     PolarMessageNumber(polars.FirstAlpha()) + "° … " + PolarMessageNumber(polars.LastAlpha()) + "°)");
  }

  PolarSolution s;
  s.AlfaK = alfaK;
  s.CL = x.An[1] * (w.AR * w.Pi);
  const InducedDrag induced = InducedDragOf(x.An, n, s.CL, w.AR, w.Pi);
  s.CDi = induced.CDi;
  s.E = induced.E;
  if (const std::optional<double> delta = InducedDragDelta(x.An, n)) s.e = 1 / (1 + *delta);
  // The trapezoidal rule over theta from the tip (where sin(theta) is 0) to the root, which ends the range.
  double sum = 0;
  for (int i = 1; i <= n; ++i) {
    const double weight = i < n ? 1.0 : kRootStationWeight;
    sum = sum + weight * w.c[i] * at.cd[i] * w.sinTheta[i];
  }
  s.CDp = (w.b / w.S) * (w.Pi / (2 * n)) * sum;
  s.CD = s.CDi + s.CDp;
  s.LD = s.CL / s.CD;
  s.iterations = spent;
  s.residual = at.largest;
  s.An = x.An;
  s.stations.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i)
    s.stations.push_back(
        {.y = w.y[i], .cl = at.cl[i], .cd = at.cd[i], .AlfaE = at.AlfaE[i], .stalled = at.clSlope[i] <= 0});
  if (!std::isfinite(s.CL) || !std::isfinite(s.CDi) || !std::isfinite(s.CDp) || !std::isfinite(s.LD))
    return Refusal(kNotFiniteMessage);
  return std::move(s);
}

}  // namespace kelvane
