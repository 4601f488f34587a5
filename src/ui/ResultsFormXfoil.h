// XFoil's polar as the results window asks for it: from the user's polar cache, or computed by XFoil with
// the trap switch found beside the program. It touches no window state, so a front end may run it on a
// worker thread while the window goes on.
#pragma once

#include <variant>

#include "model/Outcome.h"
#include "polars/xfoil/PolarRequest.h"
#include "polars/xfoil/XfoilPolar.h"
#include "polars/xfoil/XfoilRun.h"

namespace kelvane::ui {

// XFoil's polar for a request, or why there is none.
using XfoilResult = std::variant<xfoil::ComputedPolar, Outcome>;

// The polar in DefaultPolarCacheFolder(), or XFoil's, kept there; options give the cancel and progress
// callbacks, the trap switch is filled in. Refused as XfoilPolar refuses, and when there is no cache folder
// or no trap switch.
XfoilResult ComputeXfoilPolar(const xfoil::PolarRequest& request, xfoil::XfoilRunOptions options);

}  // namespace kelvane::ui
