// What every chart description shares: axes from their data and the ranges they hold.
#include "results/charts/Chart.h"

#include <cmath>

#include "model/RoundTripNumber.h"
#include "results/charts/NiceScale.h"

namespace kelvane::charts {
namespace {

constexpr const char* kSeriesColumn = "seri";

// A CSV field in quotes where it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void AppendRow(std::string& csv, const std::string& name, double x, const double* y) {
  csv += CsvField(name);
  csv += ',';
  AppendShortestNumberText(csv, x);
  csv += ',';
  if (y) AppendShortestNumberText(csv, *y);
  csv += '\n';
}

// The axis made `factor` times as long about its middle, with its ticks inside.
Axis Widened(const Axis& axis, double factor) {
  const double middle = axis.min / 2 + axis.max / 2;
  const double half = (axis.max / 2 - axis.min / 2) * factor;
  return AxisWithin(axis.title, middle - half, middle + half);
}

}  // namespace

std::vector<LegendEntry> Legend(const Chart& chart) {
  std::vector<LegendEntry> entries;
  for (const Series& series : chart.series)
    if (!series.name.empty())
      entries.push_back({.text = series.name, .color = series.color, .dash = series.dash, .dots = series.dots});
  for (const MarkerLines& marker : chart.markers)
    if (!marker.name.empty()) entries.push_back({.text = marker.name, .color = marker.color, .dash = marker.dash});
  return entries;
}

Chart FittedToArea(const Chart& chart, double width, double height) {
  if (!chart.equalScales || !(width > 0) || !(height > 0)) return chart;
  const double xPerPixel = (chart.x.max - chart.x.min) / width;
  const double yPerPixel = (chart.y.max - chart.y.min) / height;
  if (!(xPerPixel > 0) || !(yPerPixel > 0) || !std::isfinite(xPerPixel / yPerPixel)) return chart;
  Chart fitted = chart;
  if (xPerPixel > yPerPixel) {
    fitted.y = Widened(chart.y, xPerPixel / yPerPixel);
  } else {
    fitted.x = Widened(chart.x, yPerPixel / xPerPixel);
  }
  return fitted;
}

std::string ChartCsv(const Chart& chart) {
  std::string csv = CsvField(kSeriesColumn) + ',' + CsvField(chart.x.title) + ',' + CsvField(chart.y.title) + '\n';
  for (const Series& series : chart.series)
    for (const ChartPoint& point : series.points)
      if (std::isfinite(point.x) && std::isfinite(point.y)) AppendRow(csv, series.name, point.x, &point.y);
  for (const MarkerLines& marker : chart.markers)
    for (const double x : marker.xs) AppendRow(csv, marker.name, x, nullptr);
  return csv;
}

}  // namespace kelvane::charts
