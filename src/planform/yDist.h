// The spanwise stations: N stations on the semi-span with cosine spacing, tip (0) to root (N).
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Reads N from the station-count text, sets N and N1, validates the count and places theta(0..N) and
// y(0..N) along SemiSpan = b/2. Returns the message for a rejected count (InputError is then true and
// SemiSpan, theta and y keep their values), or an empty string.
std::string yDist(std::string_view stationText);

}  // namespace kelvane
