// The loads a solution puts on the wing, along the whole span: lift per unit span, shear and bending moment.
#pragma once

#include <vector>

#include "model/Module_ortak.h"
#include "results/SpanLoads.h"
#include "results/charts/Chart.h"

namespace kelvane::charts {

// l, Q and M, one chart each, of the linear solution and, when given, of the solution with section polars;
// each load vanishes at the tips.
std::vector<Chart> LoadCharts(const Module_ortak& m, const SpanLoads& linear, const SpanLoads* sectionPolars);

}  // namespace kelvane::charts
