// The printed forms of a wing's loads: JSON members, the CSV table of --loads and labelled lines.
#pragma once

#include <string>

#include "results/SpanLoads.h"

namespace kelvane::cli {

// "L" and "Di", then "Dp" and "D" when the loads have them, as JSON members separated by commas.
void AppendForcesJson(std::string& text, const SpanLoads& loads);

// "loads": {"Q0": ..., "M0": ..., "stations": [{"y": ..., "l": ..., "Q": ..., "M": ...}, ...]}.
void AppendLoadsJson(std::string& text, const SpanLoads& loads);

// "i,y,l,Q,M" and one line per station, numbered from the one next to the tip.
std::string LoadsCsv(const SpanLoads& loads);

// The forces and root loads at density rho, one labelled line each with its unit.
std::string LoadLines(const SpanLoads& loads, double rho);

}  // namespace kelvane::cli
