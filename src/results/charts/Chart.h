// A chart as data: titled axes with their ranges and tick values, line series, marker lines and a legend.
// Built from the results of a solution without any toolkit; a painter turns it into pixels or SVG.
#pragma once

#include <string>
#include <vector>

#include "graphics/PlotSurface.h"

namespace kelvane::charts {

enum class Dash { Solid, Dashed, Dotted };

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
  Axis x;
  Axis y;
  std::vector<Series> series;
  std::vector<MarkerLines> markers;
  // One metre is as long across as up: a planform keeps its shape.
  bool equalScales = false;
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

// The points as drawn, one line each: the series' name, x and y, under a header of the axis titles; a
// marker line gives its x alone. Numbers at full precision.
std::string ChartCsv(const Chart& chart);

}  // namespace kelvane::charts
