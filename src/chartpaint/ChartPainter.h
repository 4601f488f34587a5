// Paints chart descriptions with QPainter: on a widget, into an image or into an SVG document alike.
#pragma once

#include <span>

#include <QRectF>

#include "results/charts/Chart.h"

class QPainter;

namespace kelvane::chartpaint {

// The chart fills the area: white background, title and subtitle, legend, grid, tick labels, axis titles and the
// series; fonts and lines grow with the area, so that a small window and a large image both read well.
void PaintChart(QPainter& painter, const QRectF& area, const charts::Chart& chart);

// Several charts side by side, each with an equal share of the width.
void PaintCharts(QPainter& painter, const QRectF& area, std::span<const charts::Chart> charts);

}  // namespace kelvane::chartpaint
