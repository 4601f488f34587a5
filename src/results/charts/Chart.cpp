// What every chart description shares: axes from their data and the ranges they hold.
#include "results/charts/Chart.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/RoundTripNumber.h"
#include "results/charts/NiceScale.h"

namespace kelvane::charts {
namespace {

// "Γ/V∞ (m) [Kanat]": what the column holds, then whose it is.
std::string ColumnTitle(const Axis& y, const Series& series) {
  return series.name.empty() ? y.title : y.title + " [" + series.name + "]";
}

// "# Tutunma kaybı başlangıcı: y (m) = -3.909; 3.909"
std::string MarkerLine(const MarkerLines& marker, const std::string& xTitle) {
  std::string line = "# " + marker.name + ": " + xTitle + " = ";
  for (std::size_t k = 0; k < marker.xs.size(); ++k) {
    if (k > 0) line += "; ";
    AppendShortestNumberText(line, marker.xs[k]);
  }
  return line + '\n';
}

// The axis made `factor` times as long about its middle, with its ticks inside.
Axis Widened(const Axis& axis, double factor) {
  const double middle = axis.min / 2 + axis.max / 2;
  const double half = (axis.max / 2 - axis.min / 2) * factor;
  return AxisWithin(axis.title, middle - half, middle + half);
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

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

std::string WideCsv(std::string_view xTitle, std::span<const CsvColumn> columns) {
  std::string csv = CsvField(xTitle);
  // Each column's finite points by ascending x, those at one x in their order.
  std::vector<std::vector<ChartPoint>> sorted;
  for (const CsvColumn& column : columns) {
    csv += ',' + CsvField(column.title);
    std::vector<ChartPoint>& points = sorted.emplace_back();
    for (const ChartPoint& point : column.points)
      if (std::isfinite(point.x) && std::isfinite(point.y)) points.push_back(point);
    std::stable_sort(points.begin(), points.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
  }
  csv += '\n';
  // Each row takes the smallest x still waiting in any column, and the next value of every column there.
  std::vector<std::size_t> next(sorted.size(), 0);
  for (;;) {
    std::optional<double> x;
    for (std::size_t k = 0; k < sorted.size(); ++k)
      if (next[k] < sorted[k].size() && (!x || sorted[k][next[k]].x < *x)) x = sorted[k][next[k]].x;
    if (!x) return csv;
    AppendShortestNumberText(csv, *x);
    for (std::size_t k = 0; k < sorted.size(); ++k) {
      csv += ',';
      if (next[k] < sorted[k].size() && sorted[k][next[k]].x == *x)
        AppendShortestNumberText(csv, sorted[k][next[k]++].y);
    }
    csv += '\n';
  }
}

std::string ChartsCsv(std::span<const Chart> charts, std::string_view preamble) {
  std::string csv(preamble);
  if (charts.empty()) return csv;
  const std::string& xTitle = charts.front().x.title;
  std::vector<CsvColumn> columns;
  for (const Chart& chart : charts) {
    if (chart.x.title != xTitle) continue;
    for (const MarkerLines& marker : chart.markers) csv += MarkerLine(marker, xTitle);
    for (const Series& series : chart.series) columns.push_back({ColumnTitle(chart.y, series), series.points});
  }
  return csv + WideCsv(xTitle, columns);
}

}  // namespace kelvane::charts
