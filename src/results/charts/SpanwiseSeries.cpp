// The span axis and the mirrored series that the spanwise and load charts share.
#include "results/charts/SpanwiseSeries.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "results/charts/ChartStyle.h"
#include "results/charts/NiceScale.h"

namespace kelvane::charts {
namespace {

// The span axis is the long one: room for a tick at every metre of a 10 m wing.
constexpr int kSpanTicks = 11;

}  // namespace

Chart SpanwiseChart(const Module_ortak& m, std::string title) {
  Chart chart;
  chart.title = std::move(title);
  chart.x = NiceAxis(kSpanAxisTitle, -m.SemiSpan, m.SemiSpan, kSpanTicks);
  return chart;
}

Series NamedSeries(std::string name, std::vector<ChartPoint> points, Color color, Dash dash) {
  return {.name = std::move(name), .points = std::move(points), .color = color, .dash = dash, .dots = false};
}

std::vector<ChartPoint> WholeSpan(const std::vector<ChartPoint>& tipToRoot) {
  std::vector<ChartPoint> points;
  points.reserve(2 * tipToRoot.size());
  // 0 - y rather than -y: the root's mirror image is +0, never -0.
  for (const ChartPoint& point : tipToRoot) points.push_back({0 - point.x, point.y});
  for (auto it = tipToRoot.rbegin(); it != tipToRoot.rend(); ++it)
    if (it != tipToRoot.rbegin() || it->x != 0) points.push_back(*it);
  return points;
}

Axis ValueAxis(std::string title, const std::vector<Series>& series) {
  double low = 0, high = 0;
  for (const Series& one : series)
    for (const ChartPoint& point : one.points)
      if (std::isfinite(point.y)) {
        low = std::min(low, point.y);
        high = std::max(high, point.y);
      }
  return NiceAxis(std::move(title), low, high);
}

}  // namespace kelvane::charts
