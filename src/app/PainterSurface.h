// A plot surface that draws on a QPainter: maps the user coordinate window onto a pixel rectangle.
#pragma once

#include <optional>

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRect>

#include "graphics/PlotSurface.h"

class QPainter;

namespace kelvane::app {

QColor ToQColor(Color color);

class PainterSurface : public PlotSurface {
 public:
  // Draws inside `area` only; Clear fills it with `background`.
  PainterSurface(QPainter& painter, QRect area, QColor background);

  void SetUserScale(double xL, double yT, double xR, double yB) override;
  void Clear() override;
  void DrawLine(double x1, double y1, double x2, double y2, LineColor color = {}) override;
  void DrawLineTo(double x2, double y2, LineColor color = {}) override;

  // Pixel position of a point in user coordinates, in double precision (it may lie far outside the area).
  QPointF Map(double x, double y) const;

 private:
  QPainter& painter_;
  QRect area_;
  QColor background_;
  double xL_ = 0, yT_ = 0, xR_ = 1, yB_ = 1;
  double penX_ = 0, penY_ = 0;
};

// The part of a segment inside the rectangle, or nothing. Coordinates of any size: the painter itself
// works in a much smaller range, so what it is given must already lie near its area.
std::optional<QLineF> ClipSegment(QPointF from, QPointF to, const QRectF& rectangle);

}  // namespace kelvane::app
