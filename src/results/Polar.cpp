#include "results/Polar.h"

#include <cmath>

#include "model/Module_ortak.h"
#include "model/SavedRecord.h"

namespace kelvane {
namespace {

// Lets 0:1:0.1 end at 1 although (1 - 0) / 0.1 comes out a hair below 10.
constexpr double kCountTolerance = 1e-9;

}  // namespace

SweepValues MakeSweep(double from, double to, double step) {
  if (!(step > 0)) return {{}, SweepFault::StepNotPositive};
  const double count = std::floor((to - from) / step + kCountTolerance) + 1;
  if (!(count >= 1)) return {{}, SweepFault::Empty};
  if (count > kMaxSweepPoints) return {{}, SweepFault::TooManyPoints};
  SweepValues sweep;
  sweep.values.resize(static_cast<std::size_t>(count));
  for (std::size_t k = 0; k < sweep.values.size(); ++k) sweep.values[k] = from + static_cast<double>(k) * step;
  return sweep;
}

Polar SolvePolar(SolutionMode mode, std::span<const double> values) {
  const SavedRecord saved;
  Polar polar;
  polar.points.reserve(values.size());
  for (const double value : values) {
    if (const SolveOutcome solved = SolveAt(mode, value); !solved) {
      polar.fault = solved.fault;
      polar.stoppedAt = value;
      break;
    }
    polar.points.push_back({.AlfaK = ortak.AlfaK, .CL = ortak.CL, .CDi = ortak.CDi});
  }
  return polar;
}

}  // namespace kelvane
