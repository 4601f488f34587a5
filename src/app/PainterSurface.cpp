#include "app/PainterSurface.h"

#include <cmath>

#include <QPainter>
#include <QPen>

namespace kelvane::app {
namespace {

// One-pixel solid lines whatever the painter's transform.
QPen OnePixelPen(const LineColor& color) {
  QPen pen(ToQColor(color.value_or(kBlack)));
  pen.setCosmetic(true);
  pen.setWidth(1);
  return pen;
}

bool IsFinite(const QPointF& point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

}  // namespace

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }

PainterSurface::PainterSurface(QPainter& painter, QRect area, QColor background)
    : painter_(painter), area_(area), background_(background) {
  painter_.setClipRect(area_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::SetUserScale(float xL, float yT, float xR, float yB) {
  xL_ = xL;
  yT_ = yT;
  xR_ = xR;
  yB_ = yB;
}

void PainterSurface::Clear() { painter_.fillRect(area_, background_); }

QPointF PainterSurface::Map(float x, float y) const {
  const double fx = (double(x) - xL_) / (double(xR_) - xL_);
  const double fy = (double(y) - yT_) / (double(yB_) - yT_);
  return {area_.left() + fx * area_.width(), area_.top() + fy * area_.height()};
}

void PainterSurface::DrawLine(float x1, float y1, float x2, float y2, LineColor color) {
  penX_ = x2;
  penY_ = y2;
  const QPointF from = Map(x1, y1), to = Map(x2, y2);
  // A window of zero size maps to no pixel at all: draw nothing rather than garbage.
  if (!IsFinite(from) || !IsFinite(to)) return;
  painter_.setPen(OnePixelPen(color));
  painter_.drawLine(from, to);
}

void PainterSurface::DrawLineTo(float x2, float y2, LineColor color) { DrawLine(penX_, penY_, x2, y2, color); }

}  // namespace kelvane::app
