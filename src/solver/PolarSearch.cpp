// Searches over the root angle with the section-polar lifting line: CLmax by scans that go up in ever finer
// steps, a given CL by regula falsi and a last Newton run at that CL, and sweeps.
//
// Near stall the equations may have more than one solution, and which one Newton finds depends on where it
// starts. Every root angle here is therefore reached from below, from a solution at a lower angle on the
// same way up, as the lift of a wing whose angle slowly grows.
#include "solver/PolarSearch.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "model/MessageText.h"
#include "model/Numbers.h"

namespace kelvane {
namespace {

// The CLmax search climbs from a root angle of 0 in the first step and ends the climb when CL has not
// grown for kClimbPatience steps; each finer step then scans two steps of the one before around the best.
constexpr double kStartAngle = 0;
constexpr double kScanSteps[] = {0.5, 0.05, 0.005, kCLmaxAngleResolution};
constexpr int kClimbPatience = 2;
constexpr int kMostClimbSteps = 720;
// The given-CL search: regula falsi down to this relative distance, then Newton steps at the CL itself.
constexpr double kHandOverDistance = 1e-9;
constexpr int kMostFalsiSteps = 100;
constexpr int kMostBracketSteps = 64;

PolarSolve Refusal(std::string message) { return Outcome::Refused(LimitMessage(std::move(message))); }

// The best solution of a scan, and the one a step below it, from which a finer scan sets out.
struct ScanBest {
  PolarSolution best;
  std::optional<PolarSolution> below;
};

// Root angles from `from` up to `to` in steps, each continued from the one below; the wing continues from
// a solution below `from` already. Points that cannot be solved are passed over.
void ScanUp(PolarLiftingLine& wing, double from, double to, double step, ScanBest& scan) {
  std::optional<PolarSolution> previous;
  const int count = static_cast<int>(std::lround((to - from) / step));
  for (int k = 0; k <= count; ++k) {
    PolarSolve solved = wing.SolveAtAngle(from + k * step);
    if (!solved) continue;
    if (solved->CL > scan.best.CL) {
      scan.below = previous;
      scan.best = *solved;
    }
    previous = *solved;
  }
}

// From the start angle in one direction, until CL has stopped growing or a point cannot be solved.
void Climb(PolarLiftingLine& wing, double direction, ScanBest& scan) {
  const double step = kScanSteps[0];
  std::optional<PolarSolution> previous = scan.best;
  int misses = 0;
  for (int k = 1; k <= kMostClimbSteps && misses < kClimbPatience; ++k) {
    PolarSolve solved = wing.SolveAtAngle(previous->AlfaK + direction * step);
    if (!solved) return;
    if (solved->CL > scan.best.CL) {
      scan.below = direction > 0 ? previous : std::nullopt;
      scan.best = *solved;
      misses = 0;
    } else {
      ++misses;
      if (direction < 0 && !scan.below && misses == 1) scan.below = *solved;
    }
    previous = *solved;
  }
}

}  // namespace

PolarSolve FindWingCLmax(PolarLiftingLine& wing) {
  const WingPolars& polars = wing.Polars();
  wing.Forget();
  PolarSolve first = wing.SolveAtAngle(std::clamp(kStartAngle, polars.FirstAlpha(), polars.LastAlpha()));
  if (!first) return first;
  ScanBest scan{*first, std::nullopt};
  Climb(wing, 1, scan);
  if (scan.best.AlfaK == first->AlfaK) {
    wing.ContinueFrom(*first);
    Climb(wing, -1, scan);
  }
  for (std::size_t level = 1; level < std::size(kScanSteps); ++level) {
    const double wide = kScanSteps[level - 1];
    const double center = scan.best.AlfaK;
    wing.ContinueFrom(scan.below ? *scan.below : scan.best);
    ScanUp(wing, center - wide, center + wide, kScanSteps[level], scan);
  }
  return std::move(scan.best);
}

PolarSolve SolveForCL(PolarLiftingLine& wing, double CL) {
  PolarSolve top = FindWingCLmax(wing);
  if (!top) return top;
  const PolarSolution peak = *top;
  if (CL > peak.CL)
    return Refusal("İstenen CL = " + PlainNumberText(CL) + " kanadın en büyük taşıma katsayısını aşıyor: CLmax = " +
                   PolarMessageNumber(peak.CL) + " (kök açısı " + PolarMessageNumber(peak.AlfaK) + "°)");

  // A root angle below the target CL, found going down from the start angle on the way up.
  wing.Forget();
  PolarSolve low = wing.SolveAtAngle(std::clamp(kStartAngle, wing.Polars().FirstAlpha(), peak.AlfaK));
  double step = kScanSteps[0];
  for (int k = 0; low && low->CL > CL; ++k, step *= 2) {
    if (k == kMostBracketSteps) return Refusal("CL = " + PlainNumberText(CL) + " veren kök açısı bulunamadı");
    low = wing.SolveAtAngle(low->AlfaK - step);
  }
  if (!low) return low;

  // Illinois regula falsi between low and the peak, each angle reached from the low end: the end that stays
  // twice in a row has its value halved.
  PolarSolution lo = *low;
  PolarSolution hi = peak;
  double fLo = lo.CL - CL;
  double fHi = hi.CL - CL;
  const PolarSolution* closest = -fLo <= fHi ? &lo : &hi;
  const double closeEnough = kHandOverDistance * std::max(std::fabs(CL), std::fabs(peak.CL));
  int keptSide = 0;
  for (int k = 0; k < kMostFalsiSteps && std::fabs(closest->CL - CL) > closeEnough; ++k) {
    const double at = fHi == fLo ? (lo.AlfaK + hi.AlfaK) / 2 : (lo.AlfaK * fHi - hi.AlfaK * fLo) / (fHi - fLo);
    wing.ContinueFrom(lo);
    const PolarSolve solved = wing.SolveAtAngle(at);
    if (!solved) return solved;
    const double f = solved->CL - CL;
    if (f > 0) {
      hi = *solved;
      fHi = f;
      if (keptSide == -1) fLo /= 2;
      keptSide = -1;
      closest = &hi;
    } else {
      lo = *solved;
      fLo = f;
      if (keptSide == 1) fHi /= 2;
      keptSide = 1;
      closest = &lo;
    }
  }
  wing.ContinueFrom(*closest);
  return wing.SolveAtLift(CL);
}

std::vector<PolarSolve> SweepAngles(PolarLiftingLine& wing, std::span<const double> angles) {
  std::vector<PolarSolve> points;
  points.reserve(angles.size());
  for (const double alfaK : angles) points.push_back(wing.SolveAtAngle(alfaK));
  return points;
}

}  // namespace kelvane
