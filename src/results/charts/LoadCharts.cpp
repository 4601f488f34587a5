// The load charts: each station load quantity against the span, titled from the one table of quantities.
#include "results/charts/LoadCharts.h"

#include <string>

#include "results/Quantities.h"
#include "results/charts/ChartStyle.h"
#include "results/charts/SpanwiseSeries.h"

namespace kelvane::charts {
namespace {

// The quantity's Turkish title as a chart's title: its first letter (always ASCII) capitalised.
std::string ChartTitle(const char* title) {
  std::string text = title;
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
  return text;
}

// From the tip, where no load is left, in to the root.
std::vector<ChartPoint> LoadPoints(const Module_ortak& m, const SpanLoads& loads, double StationLoad::*load) {
  std::vector<ChartPoint> points{{m.y[0], 0}};
  for (const StationLoad& station : loads.stations) points.push_back({station.y, station.*load});
  return points;
}

}  // namespace

std::vector<Chart> LoadCharts(const Module_ortak& m, const SpanLoads& linear, const SpanLoads* sectionPolars) {
  std::vector<Chart> charts;
  for (const auto& quantity : kStationLoadQuantities) {
    if (quantity.member == &StationLoad::y) continue;  // the span axis
    Chart chart = SpanwiseChart(m, ChartTitle(quantity.title));
    chart.series.push_back(NamedSeries(kWingName, WholeSpan(LoadPoints(m, linear, quantity.member)), kWingColor));
    if (sectionPolars)
      chart.series.push_back(NamedSeries(std::string(kWingName) + ", " + kSectionPolarName,
                                         WholeSpan(LoadPoints(m, *sectionPolars, quantity.member)), kSecondColor,
                                         Dash::Dashed));
    chart.y = ValueAxis(ColumnTitle(quantity), chart.series);
    charts.push_back(std::move(chart));
  }
  return charts;
}

}  // namespace kelvane::charts
