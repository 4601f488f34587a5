// The parts every chart along the whole span is built from: the span axis, named series, the right half's
// points laid over both halves and a value axis over them.
#pragma once

#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "results/charts/Chart.h"

namespace kelvane::charts {

// A chart along the whole span, its value axis still to come.
Chart SpanwiseChart(const Module_ortak& m, std::string title);

Series NamedSeries(std::string name, std::vector<ChartPoint> points, Color color, Dash dash = Dash::Solid);

// Points of the right half, from the tip in to the root, laid over the whole span: their mirror images
// from the left tip to the root, then out again to the right tip. A root on the centre line counts once.
std::vector<ChartPoint> WholeSpan(const std::vector<ChartPoint>& tipToRoot);

// A value axis over every finite point of the chart's series, and over zero, the baseline of each.
Axis ValueAxis(std::string title, const std::vector<Series>& series);

}  // namespace kelvane::charts
