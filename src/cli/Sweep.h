// The operating points of a polar sweep, "FROM:TO:STEP".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/Polar.h"  // MakeSweep and kMaxSweepPoints, shared with the results window

namespace kelvane::cli {

// FROM + k*STEP for k = 0, 1, ... while within TO, where a point that misses TO only by rounding counts.
// Nothing for malformed text, a step that is not positive, an empty sweep or one over kMaxSweepPoints;
// then *problem (if given) says which rule failed.
std::optional<std::vector<double>> ParseSweep(std::string_view text, std::string* problem = nullptr);

}  // namespace kelvane::cli
