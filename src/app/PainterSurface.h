// A plot surface that draws on a QPainter: maps the user coordinate window onto a pixel rectangle.
#pragma once

#include <QColor>
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

  void SetUserScale(float xL, float yT, float xR, float yB) override;
  void Clear() override;
  void DrawLine(float x1, float y1, float x2, float y2, LineColor color = {}) override;
  void DrawLineTo(float x2, float y2, LineColor color = {}) override;

  // Pixel position of a point in user coordinates.
  QPointF Map(float x, float y) const;

 private:
  QPainter& painter_;
  QRect area_;
  QColor background_;
  float xL_ = 0, yT_ = 0, xR_ = 1, yB_ = 1;
  float penX_ = 0, penY_ = 0;
};

}  // namespace kelvane::app
