// The operating points of a polar sweep, "FROM:TO:STEP".
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvane::cli {

// A sweep longer than this is almost certainly a typing error (a tiny step), not a polar.
inline constexpr std::size_t kMaxSweepPoints = 10000;

// FROM + k*STEP for k = 0, 1, ... while within TO, where a point that misses TO only by rounding counts.
// Nothing for malformed text, a step that is not positive, an empty sweep or one over kMaxSweepPoints.
std::optional<std::vector<double>> ParseSweep(std::string_view text);

}  // namespace kelvane::cli
