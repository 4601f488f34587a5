// A picture area's drawing surface on a QPainter, for the form's plots.
#include "app/PainterSurface.h"

#include <cmath>

#include <QPainter>
#include <QPen>

namespace kelvane::app {
namespace {

// Lines are clipped this far outside the area, so the painter's own clip decides about the edge pixels.
constexpr double kClipMarginPixels = 2;

// One-pixel solid lines whatever the painter's transform.
QPen OnePixelPen(const LineColor& color) {
  QPen pen(ToQColor(color.value_or(kBlack)));
  pen.setCosmetic(true);
  pen.setWidth(1);
  return pen;
}

bool IsFinite(const QPointF& point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

// The fraction of the way from `from` to `to` at which `value` lies; halved first, so that the
// differences of values near the largest double do not overflow.
double Fraction(double value, double from, double to) { return (value / 2 - from / 2) / (to / 2 - from / 2); }

// Cohen-Sutherland: which sides of the rectangle a point lies beyond.
enum Outside : int { kInside = 0, kLeft = 1, kRight = 2, kAbove = 4, kBelow = 8 };

int OutsideCode(QPointF point, const QRectF& rectangle) {
  int code = kInside;
  if (point.x() < rectangle.left())
    code |= kLeft;
  else if (point.x() > rectangle.right())
    code |= kRight;
  if (point.y() < rectangle.top())
    code |= kAbove;
  else if (point.y() > rectangle.bottom())
    code |= kBelow;
  return code;
}

// Moves the point onto the edge its code names first, along the segment; the edge coordinate is set
// exactly, so a segment along an axis keeps its other coordinate exactly.
QPointF MoveOntoEdge(QPointF point, QPointF other, int code, const QRectF& rectangle) {
  if (code & (kLeft | kRight)) {
    const double x = code & kLeft ? rectangle.left() : rectangle.right();
    return {x, point.y() + (other.y() - point.y()) * ((x - point.x()) / (other.x() - point.x()))};
  }
  const double y = code & kAbove ? rectangle.top() : rectangle.bottom();
  return {point.x() + (other.x() - point.x()) * ((y - point.y()) / (other.y() - point.y())), y};
}

}  // namespace

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }

std::optional<QLineF> ClipSegment(QPointF from, QPointF to, const QRectF& rectangle) {
  int fromCode = OutsideCode(from, rectangle);
  int toCode = OutsideCode(to, rectangle);
  // Each pass puts one end on an edge line, so four passes per end settle every segment.
  constexpr int kMaxPasses = 8;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    if ((fromCode | toCode) == kInside) return QLineF(from, to);
    if (fromCode & toCode) return std::nullopt;
    if (fromCode != kInside) {
      from = MoveOntoEdge(from, to, fromCode, rectangle);
      fromCode = OutsideCode(from, rectangle);
    } else {
      to = MoveOntoEdge(to, from, toCode, rectangle);
      toCode = OutsideCode(to, rectangle);
    }
  }
  return std::nullopt;
}

PainterSurface::PainterSurface(QPainter& painter, QRect area, QColor background)
    : painter_(painter), area_(area), background_(background) {
  painter_.setClipRect(area_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::SetUserScale(double xL, double yT, double xR, double yB) {
  xL_ = xL;
  yT_ = yT;
  xR_ = xR;
  yB_ = yB;
}

void PainterSurface::Clear() { painter_.fillRect(area_, background_); }

QPointF PainterSurface::Map(double x, double y) const {
  return {area_.left() + Fraction(x, xL_, xR_) * area_.width(), area_.top() + Fraction(y, yT_, yB_) * area_.height()};
}

void PainterSurface::DrawLine(double x1, double y1, double x2, double y2, LineColor color) {
  penX_ = x2;
  penY_ = y2;
  const QPointF from = Map(x1, y1), to = Map(x2, y2);
  // A window of zero size maps to no pixel at all: draw nothing rather than garbage.
  if (!IsFinite(from) || !IsFinite(to)) return;
  const QRectF reach =
      QRectF(area_).adjusted(-kClipMarginPixels, -kClipMarginPixels, kClipMarginPixels, kClipMarginPixels);
  const auto visible = ClipSegment(from, to, reach);
  if (!visible) return;
  painter_.setPen(OnePixelPen(color));
  painter_.drawLine(*visible);
}

void PainterSurface::DrawLineTo(double x2, double y2, LineColor color) { DrawLine(penX_, penY_, x2, y2, color); }

}  // namespace kelvane::app
