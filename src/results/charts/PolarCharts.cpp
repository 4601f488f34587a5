// The polar's charts: CL against the root angle and against CDi.
#include "results/charts/PolarCharts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "results/charts/ChartStyle.h"
#include "results/charts/NiceScale.h"

namespace kelvane::charts {
namespace {

constexpr const char* kLiftTitle = "CL";

// A range over the finite values; without any, the default 0..1.
Axis RangeOf(std::string title, const std::vector<ChartPoint>& points, double ChartPoint::*coordinate) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const ChartPoint& point : points)
    if (std::isfinite(point.*coordinate)) {
      low = std::min(low, point.*coordinate);
      high = std::max(high, point.*coordinate);
    }
  return NiceAxis(std::move(title), low, high);
}

template <typename X>
Chart PolarChart(std::string title, std::string xTitle, std::span<const PolarPoint> polar, X x) {
  std::vector<ChartPoint> points;
  points.reserve(polar.size());
  for (const PolarPoint& point : polar) points.push_back({x(point), point.CL});
  Chart chart;
  chart.title = std::move(title);
  chart.x = RangeOf(std::move(xTitle), points, &ChartPoint::x);
  chart.y = RangeOf(kLiftTitle, points, &ChartPoint::y);
  chart.series.push_back(
      {.name = kWingName, .points = std::move(points), .color = kWingColor, .dash = Dash::Solid, .dots = true});
  return chart;
}

}  // namespace

Chart LiftCurveChart(std::span<const PolarPoint> polar) {
  return PolarChart("Kaldırma eğrisi", "αkök (°)", polar, [](const PolarPoint& p) { return p.AlfaK; });
}

Chart DragPolarChart(std::span<const PolarPoint> polar) {
  return PolarChart("İndüklenmiş sürükleme polari", "CDi", polar, [](const PolarPoint& p) { return p.CDi; });
}

}  // namespace kelvane::charts
