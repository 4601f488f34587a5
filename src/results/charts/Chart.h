// A chart as data: titled axes with their ranges and tick values, line series, marker lines and a legend.
// Built from the results of a solution without any toolkit; a painter turns it into pixels or SVG.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/PlotSurface.h"

namespace kelvane::charts {

enum class Dash { Solid, Dashed, Dotted, DashDot, DashDotDot };

struct ChartPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// A polyline through its points in order; a point that is not finite lifts the pen.
struct Series {
  std::string name;  // the legend entry
  std::vector<ChartPoint> points;
  Color color;
  Dash dash = Dash::Solid;
  bool dots = false;  // a dot at every point, for computed samples such as a polar's
};

// Vertical lines at the given x, such as the station where a wing starts to stall.
struct MarkerLines {
  std::string name;  // the legend entry
  std::vector<double> xs;
  Color color;
  Dash dash = Dash::Dashed;
};

struct Axis {
  std::string title;  // quantity and unit, "y (m)"
  double min = 0;
  double max = 1;
  std::vector<double> ticks;  // from min to max at a 1-2-5 step
  double step = 1;
};

struct Chart {
  std::string title;
  std::string subtitle;  // what it shows: the wing and its operating point
  Axis x;
  Axis y;
  std::vector<Series> series;
  std::vector<MarkerLines> markers;
  // One metre is as long across as up: a planform keeps its shape.
  bool equalScales = false;
  // The series that stands for the wing itself when other wings' charts are laid over this one.
  std::size_t wingSeries = 0;
};

struct LegendEntry {
  std::string text;
  Color color;
  Dash dash = Dash::Solid;
  bool dots = false;
};

// The series, then the marker lines, each with a name.
std::vector<LegendEntry> Legend(const Chart& chart);

// A chart with equal scales drawn in a plot area of this size (in any unit): one of its ranges widened
// about its middle so that a metre is as long across as up. Any other chart as it is.
Chart FittedToArea(const Chart& chart, double width, double height);

// A CSV field as it is, or in quotes where it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// One column of a wide CSV table: values at their x.
struct CsvColumn {
  std::string title;
  std::vector<ChartPoint> points;
};

// A wide CSV table: x first, then a column each. A row for every x any column has, in ascending order, its
// cells empty where a column has no value there; an x that a column holds k times takes k rows. Points that
// are not finite are left out; numbers at full precision.
std::string WideCsv(std::string_view xTitle, std::span<const CsvColumn> columns);

// The charts' points as drawn, after the given preamble ("# " lines): each marker line as a "# " line of
// its name and xs, then a wide table against the first chart's x of every series of the charts that share
// it, each column titled with its chart's y-axis title and, in brackets, its series' name.
std::string ChartsCsv(std::span<const Chart> charts, std::string_view preamble);

}  // namespace kelvane::charts
