// Laying one wing's chart over another's: the series added, the axes widened to hold it.
#include "results/charts/Overlay.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "results/charts/NiceScale.h"

namespace kelvane::charts {
namespace {

// The axis as it is when it holds every finite coordinate of the points; otherwise one with round ends over
// both, with at least as many ticks as it had.
Axis Covering(const Axis& axis, const std::vector<ChartPoint>& points, double ChartPoint::*coordinate) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const ChartPoint& point : points)
    if (std::isfinite(point.*coordinate)) {
      low = std::min(low, point.*coordinate);
      high = std::max(high, point.*coordinate);
    }
  if (!(low < axis.min) && !(high > axis.max)) return axis;
  const int ticks = std::max(kMaxTicks, static_cast<int>(axis.ticks.size()));
  return NiceAxis(axis.title, std::min(low, axis.min), std::max(high, axis.max), ticks);
}

}  // namespace

void LayOver(Chart& chart, const Chart& other, const std::string& name, const OverlayStyle& style) {
  if (other.wingSeries >= other.series.size()) return;
  const Series& own = other.series[other.wingSeries];
  chart.series.push_back(
      {.name = name, .points = own.points, .color = style.color, .dash = style.dash, .dots = own.dots});
  chart.x = Covering(chart.x, own.points, &ChartPoint::x);
  chart.y = Covering(chart.y, own.points, &ChartPoint::y);
}

void LayOver(std::vector<Chart>& charts, std::span<const Chart> others, const std::string& name,
             const OverlayStyle& style) {
  for (std::size_t k = 0; k < charts.size() && k < others.size(); ++k) LayOver(charts[k], others[k], name, style);
}

}  // namespace kelvane::charts
