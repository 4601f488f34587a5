// The spanwise stations: N stations on the semi-span with cosine spacing, tip (0) to root (N).
//
// Step   Reads                              Writes
// yDist  the station-count box; b, PiHalf   N, N1, InputError; SemiSpan, theta(0..N), y(0..N) unless refused
#pragma once

#include <string_view>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

// Takes N from the station-count text (N and N1 keep it even when it is refused), checks it and places the
// stations along SemiSpan = b/2. A refused count raises InputError.
Outcome yDist(Module_ortak& m, std::string_view stationText);

}  // namespace kelvane
