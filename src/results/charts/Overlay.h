// Other wings' charts laid over a wing's own, to compare them: each other wing's own series in a style of
// its own, under a legend entry that names it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "results/charts/Chart.h"
#include "results/charts/ChartStyle.h"

namespace kelvane::charts {

// The other chart's wing series (Chart::wingSeries) added to the chart in the style, named `name`, with dots
// where it had them; the axes widened, where they must be, to hold it.
void LayOver(Chart& chart, const Chart& other, const std::string& name, const OverlayStyle& style);

// The same for each chart and the other wing's chart of the same kind, in the same place.
void LayOver(std::vector<Chart>& charts, std::span<const Chart> others, const std::string& name,
             const OverlayStyle& style);

}  // namespace kelvane::charts
