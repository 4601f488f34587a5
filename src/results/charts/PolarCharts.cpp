// The polar's charts: each series a polyline with a dot at every computed point.
#include "results/charts/PolarCharts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "model/Numbers.h"
#include "results/Quantities.h"
#include "results/charts/ChartStyle.h"
#include "results/charts/NiceScale.h"

namespace kelvane::charts {
namespace {

constexpr const char* kLiftTitle = "CL";
constexpr const char* kAngleTitle = "αkök (°)";

Series Dotted(std::string name, std::vector<ChartPoint> points, Color color, Dash dash = Dash::Solid) {
  return {.name = std::move(name), .points = std::move(points), .color = color, .dash = dash, .dots = true};
}

template <typename Point, typename X, typename Y>
std::vector<ChartPoint> PointsOf(std::span<const Point> points, X x, Y y) {
  std::vector<ChartPoint> chartPoints;
  chartPoints.reserve(points.size());
  for (const Point& point : points) chartPoints.push_back({x(point), y(point)});
  return chartPoints;
}

// An axis over one coordinate of every finite point of the chart's series; without any, the default 0..1.
Axis RangeOf(std::string title, const Chart& chart, double ChartPoint::*coordinate) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const Series& series : chart.series)
    for (const ChartPoint& point : series.points)
      if (std::isfinite(point.*coordinate)) {
        low = std::min(low, point.*coordinate);
        high = std::max(high, point.*coordinate);
      }
  return NiceAxis(std::move(title), low, high);
}

Chart Fitted(Chart chart, std::string xTitle, std::string yTitle) {
  chart.x = RangeOf(std::move(xTitle), chart, &ChartPoint::x);
  chart.y = RangeOf(std::move(yTitle), chart, &ChartPoint::y);
  return chart;
}

std::string WithSectionPolars(const std::string& name) { return name + ", " + kSectionPolarName; }

double AngleOf(const auto& point) { return point.AlfaK; }
double LiftOf(const auto& point) { return point.CL; }
double InducedDragOf(const auto& point) { return point.CDi; }

}  // namespace

Chart LiftCurveChart(std::span<const PolarPoint> polar, const SectionPolarSweep& sectionPolars) {
  Chart chart;
  chart.title = "Kaldırma eğrisi";
  chart.series.push_back(Dotted(kWingName, PointsOf(polar, AngleOf<PolarPoint>, LiftOf<PolarPoint>), kWingColor));
  if (!sectionPolars.points.empty()) {
    const std::span<const PolarSolution> points = sectionPolars.points;
    chart.series.push_back(Dotted(WithSectionPolars(kWingName),
                                  PointsOf(points, AngleOf<PolarSolution>, LiftOf<PolarSolution>), kSecondColor));
  }
  if (const auto& best = sectionPolars.CLmax)
    chart.series.push_back(Dotted(WingMaxLiftText(*best), {{best->AlfaK, best->CL}}, kMarkerColor));
  return Fitted(std::move(chart), kAngleTitle, kLiftTitle);
}

Chart DragPolarChart(std::span<const PolarPoint> polar, const SectionPolarSweep& sectionPolars) {
  Chart chart;
  chart.series.push_back(Dotted(kWingName, PointsOf(polar, InducedDragOf<PolarPoint>, LiftOf<PolarPoint>), kWingColor));
  if (sectionPolars.points.empty()) {
    chart.title = "İndüklenmiş sürükleme poları";
    return Fitted(std::move(chart), "CDi", kLiftTitle);
  }
  const std::span<const PolarSolution> points = sectionPolars.points;
  chart.title = "Sürükleme poları";
  chart.series.push_back(Dotted(WithSectionPolars("CDi"),
                                PointsOf(points, InducedDragOf<PolarSolution>, LiftOf<PolarSolution>), kSecondColor,
                                Dash::Dashed));
  chart.series.push_back(Dotted(WithSectionPolars("CD"),
                                PointsOf(
                                    points, [](const PolarSolution& p) { return p.CD; }, LiftOf<PolarSolution>),
                                kSecondColor));
  return Fitted(std::move(chart), "CDi, CD", kLiftTitle);
}

Chart LiftToDragChart(const SectionPolarSweep& sectionPolars) {
  Chart chart;
  chart.title = "Kaldırma/sürükleme oranı";
  const std::span<const PolarSolution> points = sectionPolars.points;
  chart.series.push_back(Dotted(WithSectionPolars("L/D"),
                                PointsOf(points, AngleOf<PolarSolution>, [](const PolarSolution& p) { return p.LD; }),
                                kSecondColor));
  return Fitted(std::move(chart), kAngleTitle, "L/D");
}

std::string WingMaxLiftText(const PolarSolution& CLmax) {
  return "CLmax = " + PlainNumberText(RoundTo(CLmax.CL, BoxDecimals("CL"))) +
         ", αkök = " + PlainNumberText(RoundTo(CLmax.AlfaK, BoxDecimals("AlfaK"))) + "°";
}

}  // namespace kelvane::charts
