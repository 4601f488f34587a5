// A polar: the wing solved at a row of operating points, on a copy of the record.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

#include "solver/SolveLiftingLine.h"

namespace kelvane {

// A sweep longer than this is almost certainly a typing error (a tiny step), not a polar.
inline constexpr std::size_t kMaxSweepPoints = 10000;

// Each front end words the three ways a range can be wrong in its own terms.
struct SweepMessages {
  std::string stepNotPositive;
  std::string empty;          // `to` lies below `from`
  std::string tooManyPoints;  // more than kMaxSweepPoints
};

// from + k*step for k = 0, 1, ... while within `to`, where a point that misses `to` only by rounding counts.
Expected<std::vector<double>> MakeSweep(double from, double to, double step, const SweepMessages& messages);

struct PolarPoint {
  double AlfaK = 0;  // root angle, degrees
  double CL = 0;
  double CDi = 0;
};

struct Polar {
  std::vector<PolarPoint> points;  // one per operating point solved, in order
  Outcome stop;                    // refused when the sweep stopped early: why
  double stoppedAt = 0;            // the operating point that stopped it
};

// Solves the wing in the record at each value (root angles in degrees, or CL) on a copy of the record,
// stopping at the first point that cannot be solved; the flaps, if any, as SolveAt applies them.
Polar SolvePolar(const Module_ortak& record, SystemCache& cache, SolutionMode mode, std::span<const double> values,
                 std::span<const Flap> flaps = {});

// Whether two records hold the same wing: every input a solution reads, all but its operating point (AlfaK
// or CL), is equal. A polar of the one is then the polar of the other.
bool SameWingInputs(const Module_ortak& first, const Module_ortak& second);

}  // namespace kelvane
