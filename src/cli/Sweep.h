// The operating points of a polar sweep, "FROM:TO:STEP".
#pragma once

#include <string_view>
#include <vector>

#include "model/Outcome.h"
#include "results/Polar.h"  // MakeSweep and kMaxSweepPoints, shared with the results window

namespace kelvane::cli {

// A sweep's value as a box would show it, as the window's sweep takes it: 0.30000000000000004 is 0.3.
double AsTyped(double value);

// FROM + k*STEP for k = 0, 1, ... while within TO, where a point that misses TO only by rounding counts.
// Refuses malformed text, a step that is not positive, an empty sweep or one over kMaxSweepPoints, saying
// which rule failed.
Expected<std::vector<double>> ParseSweep(std::string_view text);

}  // namespace kelvane::cli
