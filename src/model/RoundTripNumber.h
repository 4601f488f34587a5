// Numbers at full precision: the shortest text that reads back to the same double, with a decimal point
// under every locale. Results meant for other programs (JSON, CSV, copied tables) use it.
#pragma once

#include <string>

namespace kelvane {

// "10", "0.1", "1e-05", "-2.2250738585072014e-308".
std::string ShortestNumberText(double value);

// The same text appended in place, for tables of many numbers.
void AppendShortestNumberText(std::string& text, double value);

}  // namespace kelvane
