// Axis ranges with round ends and tick values at 1, 2 or 5 times a power of ten.
#pragma once

#include <string>

#include "results/charts/Chart.h"

namespace kelvane::charts {

// Enough ticks to read a value off, few enough that their labels never crowd.
inline constexpr int kMaxTicks = 8;

// The smallest step of 1, 2 or 5 times a power of ten that is at least `rough` (which must be positive).
double NiceStep(double rough);

// An axis from a multiple of the step at or below `low` to one at or above `high`, with at most maxTicks
// ticks. An empty range (low == high) is widened around its value; values that are not finite give 0..1.
Axis NiceAxis(std::string title, double low, double high, int maxTicks = kMaxTicks);

// An axis from exactly `low` to `high` with the ticks of a 1-2-5 step that fall inside.
Axis AxisWithin(std::string title, double low, double high, int maxTicks = kMaxTicks);

// The tick's text with as many decimals as the step needs and a decimal point whatever the locale:
// "0.25", "-4", "1e-06".
std::string TickLabel(double value, double step);

}  // namespace kelvane::charts
