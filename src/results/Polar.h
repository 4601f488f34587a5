// A polar: the wing solved at a row of operating points, on a copy of the record that is put back.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "solver/SolveLiftingLine.h"

namespace kelvane {

// A sweep longer than this is almost certainly a typing error (a tiny step), not a polar.
inline constexpr std::size_t kMaxSweepPoints = 10000;

enum class SweepFault { StepNotPositive, Empty, TooManyPoints };

struct SweepValues {
  std::vector<double> values;
  std::optional<SweepFault> fault;
};

// from + k*step for k = 0, 1, ... while within `to`, where a point that misses `to` only by rounding counts.
SweepValues MakeSweep(double from, double to, double step);

struct PolarPoint {
  double AlfaK = 0;  // root angle, degrees
  double CL = 0;
  double CDi = 0;
};

struct Polar {
  std::vector<PolarPoint> points;  // one per operating point solved, in order
  std::optional<SolveFault> fault;  // why the sweep stopped early
  double stoppedAt = 0;             // the operating point that stopped it
};

// Solves the wing in the record at each value (root angles in degrees, or CL), stopping at the first
// point that cannot be solved. The record, results included, is restored afterwards.
Polar SolvePolar(SolutionMode mode, std::span<const double> values);

}  // namespace kelvane
