// Painting a chart description with QPainter: axes, ticks, series, markers and legend.
#include "chartpaint/ChartPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "results/charts/ChartSource.h"
#include "results/charts/NiceScale.h"

namespace kelvane::chartpaint {
namespace {

using charts::Axis;
using charts::Chart;
using charts::Dash;

constexpr const char* kFontFamily = "DejaVu Sans";  // installed with the program, so files look alike everywhere
// The text grows with the area: one pixel of font per this many pixels of the width (or of the height
// made as wide as a 16:10 picture), within readable bounds.
constexpr double kPixelsPerFontPixel = 55;
constexpr double kWideAspect = 1.6;
constexpr double kSmallestFont = 10;
constexpr double kLargestFont = 18;
constexpr double kTitleScale = 1.2;
constexpr double kLineWidthPerFont = 1.0 / 6;
constexpr double kDotRadiusPerLine = 1.7;
constexpr double kLegendSampleFonts = 2.5;  // the length of a legend's line sample, in font sizes
constexpr double kTickLength = 4;

const QColor kBackground(255, 255, 255);
const QColor kText(30, 30, 30);
const QColor kFrame(90, 90, 90);
const QColor kGrid(224, 224, 224);
const QColor kZeroLine(170, 170, 170);

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }
QString ToQString(const std::string& text) { return QString::fromStdString(text); }

Qt::PenStyle ToPenStyle(Dash dash) {
  switch (dash) {
    case Dash::Dashed: return Qt::DashLine;
    case Dash::Dotted: return Qt::DotLine;
    case Dash::DashDot: return Qt::DashDotLine;
    case Dash::DashDotDot: return Qt::DashDotDotLine;
    case Dash::Solid: break;
  }
  return Qt::SolidLine;
}

struct Fonts {
  QFont text;
  QFont title;
  double size = 0;  // the text font's pixel size, the unit of every gap
};

Fonts FontsFor(const QRectF& area) {
  const double size = std::clamp(std::min(area.width(), area.height() * kWideAspect) / kPixelsPerFontPixel,
                                 kSmallestFont, kLargestFont);
  Fonts fonts{.text = QFont(kFontFamily), .title = QFont(kFontFamily), .size = size};
  fonts.text.setPixelSize(static_cast<int>(std::lround(size)));
  fonts.title.setPixelSize(static_cast<int>(std::lround(size * kTitleScale)));
  fonts.title.setBold(true);
  return fonts;
}

// A wording of parts ("wing · αkök = 5° · N = 21") wider than `width` goes on as many lines as it needs,
// each breaking between two parts, never inside one.
QString BrokenAtParts(const std::string& text, const QFontMetricsF& metrics, double width) {
  const QString separator = ToQString(charts::kSourceSeparator);
  QString broken, line;
  for (const QString& part : ToQString(text).split(separator)) {
    if (line.isEmpty()) {
      line = part;
    } else if (metrics.horizontalAdvance(line + separator + part) <= width) {
      line += separator + part;
    } else {
      broken += line + '\n';
      line = part;
    }
  }
  return broken + line;
}

double LinesHigh(const QString& text, const QFontMetricsF& metrics) {
  return static_cast<double>(text.count('\n') + 1) * metrics.height();
}

// One legend entry placed in its row.
struct LegendItem {
  charts::LegendEntry entry;
  QString text;   // broken into lines where it is wider than the legend
  QRectF sample;  // where the line sample goes, beside the first line
  QRectF textRect;
};

// Entries flow left to right in rows as wide as `width`, starting at `topLeft`.
std::vector<LegendItem> LayOutLegend(const Chart& chart, const Fonts& fonts, QPointF topLeft, double width) {
  const QFontMetricsF metrics(fonts.text);
  const double sampleWidth = kLegendSampleFonts * fonts.size;
  const double gap = fonts.size / 2;
  const double rowHeight = metrics.height();
  std::vector<LegendItem> items;
  double x = topLeft.x(), y = topLeft.y(), rowBottom = y + rowHeight;
  for (const charts::LegendEntry& entry : charts::Legend(chart)) {
    const QString text = BrokenAtParts(entry.text, metrics, width - sampleWidth - gap);
    double textWidth = 0;
    for (const QString& line : text.split('\n')) textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const double itemWidth = sampleWidth + gap + textWidth;
    if (x > topLeft.x() && x + itemWidth > topLeft.x() + width) {
      x = topLeft.x();
      y = rowBottom;
    }
    const double height = LinesHigh(text, metrics);
    rowBottom = std::max(rowBottom, y + height);
    items.push_back(
        {entry, text, QRectF(x, y, sampleWidth, rowHeight), QRectF(x + sampleWidth + gap, y, textWidth, height)});
    x += itemWidth + 2 * gap;
  }
  return items;
}

double LegendBottom(const std::vector<LegendItem>& items, double top) {
  double bottom = top;
  for (const LegendItem& item : items) bottom = std::max(bottom, item.textRect.bottom());
  return bottom;
}

double WidestTickLabel(const Axis& axis, const QFontMetricsF& metrics) {
  double widest = 0;
  for (const double tick : axis.ticks)
    widest = std::max(widest, metrics.horizontalAdvance(ToQString(charts::TickLabel(tick, axis.step))));
  return widest;
}

// Where a chart's parts go inside its area.
struct Layout {
  Chart chart;  // with equal scales, its ranges fitted to the plot
  QRectF title;
  QRectF subtitle;       // empty when the chart has none
  QString subtitleText;  // broken into lines where it is wider than the area
  std::vector<LegendItem> legend;
  QRectF plot;
};

Layout LayOut(const Chart& original, const QRectF& area, const Fonts& fonts) {
  const QFontMetricsF metrics(fonts.text);
  const double pad = fonts.size;
  Layout layout{.chart = original, .title = {}, .subtitle = {}, .subtitleText = {}, .legend = {}, .plot = {}};
  layout.title =
      QRectF(area.left() + pad, area.top() + pad / 2, area.width() - 2 * pad, QFontMetricsF(fonts.title).height());
  layout.subtitleText = BrokenAtParts(original.subtitle, metrics, layout.title.width());
  layout.subtitle = QRectF(layout.title.left(), layout.title.bottom(), layout.title.width(),
                           original.subtitle.empty() ? 0 : LinesHigh(layout.subtitleText, metrics));
  layout.legend = LayOutLegend(original, fonts, QPointF(area.left() + pad, layout.subtitle.bottom() + pad / 2),
                               area.width() - 2 * pad);
  const double top = LegendBottom(layout.legend, layout.subtitle.bottom()) + pad;
  const double bottom = area.bottom() - pad / 2 - 2 * metrics.height() - pad / 2;
  const double right = area.right() - pad - WidestTickLabel(original.x, metrics) / 2;
  // Fitting equal scales changes the ticks and so the room their labels take: settle it in two rounds.
  for (int round = 0; round < 2; ++round) {
    const double left = area.left() + pad / 2 + metrics.height() + pad / 2 + WidestTickLabel(layout.chart.y, metrics) +
                        kTickLength + pad / 2;
    layout.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    layout.chart = charts::FittedToArea(original, layout.plot.width(), layout.plot.height());
  }
  return layout;
}

// Chart coordinates to pixels inside the plot rectangle; halved first, so that the differences of huge
// values do not overflow.
class Mapping {
 public:
  Mapping(const Chart& chart, const QRectF& plot) : chart_(chart), plot_(plot) {}
  double X(double x) const { return plot_.left() + Fraction(x, chart_.x) * plot_.width(); }
  double Y(double y) const { return plot_.bottom() - Fraction(y, chart_.y) * plot_.height(); }

 private:
  static double Fraction(double value, const Axis& axis) {
    return (value / 2 - axis.min / 2) / (axis.max / 2 - axis.min / 2);
  }
  const Chart& chart_;
  QRectF plot_;
};

QPen LinePen(Color color, Dash dash, double width) {
  QPen pen(ToQColor(color), width, ToPenStyle(dash), Qt::FlatCap, Qt::RoundJoin);
  return pen;
}

void PaintGrid(QPainter& painter, const Layout& layout, const Mapping& map, const QRectF& area, const Fonts& fonts) {
  const Chart& chart = layout.chart;
  const QRectF& plot = layout.plot;
  const QFontMetricsF metrics(fonts.text);
  painter.setFont(fonts.text);
  for (const double tick : chart.x.ticks) {
    const double x = map.X(tick);
    painter.setPen(QPen(tick == 0 ? kZeroLine : kGrid, 1));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(kFrame);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
    painter.setPen(kText);
    const QString label = ToQString(charts::TickLabel(tick, chart.x.step));
    const double width = metrics.horizontalAdvance(label);
    painter.drawText(QRectF(x - width, plot.bottom() + kTickLength, 2 * width, metrics.height()), Qt::AlignCenter,
                     label);
  }
  for (const double tick : chart.y.ticks) {
    const double y = map.Y(tick);
    painter.setPen(QPen(tick == 0 ? kZeroLine : kGrid, 1));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(kFrame);
    painter.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
    painter.setPen(kText);
    const QString label = ToQString(charts::TickLabel(tick, chart.y.step));
    painter.drawText(QRectF(area.left(), y - metrics.height() / 2,
                            plot.left() - kTickLength - fonts.size / 4 - area.left(), metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
}

void PaintAxisTitles(QPainter& painter, const Layout& layout, const QRectF& area, const Fonts& fonts) {
  const QFontMetricsF metrics(fonts.text);
  const QRectF& plot = layout.plot;
  painter.setFont(fonts.text);
  painter.setPen(kText);
  painter.drawText(
      QRectF(plot.left(), area.bottom() - fonts.size / 2 - metrics.height(), plot.width(), metrics.height()),
      Qt::AlignCenter, ToQString(layout.chart.x.title));
  painter.save();
  painter.translate(area.left() + fonts.size / 2, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), metrics.height()), Qt::AlignCenter,
                   ToQString(layout.chart.y.title));
  painter.restore();
}

void PaintSeries(QPainter& painter, const Layout& layout, const Mapping& map, double lineWidth) {
  painter.save();
  painter.setClipRect(layout.plot.adjusted(-lineWidth, -lineWidth, lineWidth, lineWidth));
  for (const charts::MarkerLines& marker : layout.chart.markers) {
    painter.setPen(LinePen(marker.color, marker.dash, lineWidth));
    for (const double x : marker.xs)
      painter.drawLine(QPointF(map.X(x), layout.plot.top()), QPointF(map.X(x), layout.plot.bottom()));
  }
  for (const charts::Series& series : layout.chart.series) {
    painter.setPen(LinePen(series.color, series.dash, lineWidth));
    QPolygonF run;
    const auto flush = [&] {
      if (run.size() > 1) painter.drawPolyline(run);
      run.clear();
    };
    for (const charts::ChartPoint& point : series.points) {
      if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
        flush();
        continue;
      }
      run << QPointF(map.X(point.x), map.Y(point.y));
    }
    flush();
    if (!series.dots) continue;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(series.color));
    const double radius = kDotRadiusPerLine * lineWidth;
    for (const charts::ChartPoint& point : series.points)
      if (std::isfinite(point.x) && std::isfinite(point.y))
        painter.drawEllipse(QPointF(map.X(point.x), map.Y(point.y)), radius, radius);
    painter.setBrush(Qt::NoBrush);
  }
  painter.restore();
}

void PaintLegend(QPainter& painter, const std::vector<LegendItem>& legend, const Fonts& fonts, double lineWidth) {
  painter.setFont(fonts.text);
  for (const LegendItem& item : legend) {
    const double y = item.sample.center().y();
    painter.setPen(LinePen(item.entry.color, item.entry.dash, lineWidth));
    painter.drawLine(QPointF(item.sample.left(), y), QPointF(item.sample.right(), y));
    if (item.entry.dots) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(ToQColor(item.entry.color));
      const double radius = kDotRadiusPerLine * lineWidth;
      painter.drawEllipse(item.sample.center(), radius, radius);
      painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(kText);
    painter.drawText(item.textRect, Qt::AlignLeft | Qt::AlignTop, item.text);
  }
}

void PaintChartWith(QPainter& painter, const QRectF& area, const Chart& chart, const Fonts& fonts) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setClipRect(area);
  painter.fillRect(area, kBackground);

  const Layout layout = LayOut(chart, area, fonts);
  const Mapping map(layout.chart, layout.plot);
  const double lineWidth = fonts.size * kLineWidthPerFont;

  painter.setFont(fonts.title);
  painter.setPen(kText);
  painter.drawText(layout.title, Qt::AlignCenter, ToQString(chart.title));
  painter.setFont(fonts.text);
  painter.drawText(layout.subtitle, Qt::AlignCenter, layout.subtitleText);
  PaintGrid(painter, layout, map, area, fonts);
  PaintAxisTitles(painter, layout, area, fonts);
  PaintSeries(painter, layout, map, lineWidth);
  painter.setPen(QPen(kFrame, 1));
  painter.drawRect(layout.plot);
  PaintLegend(painter, layout.legend, fonts, lineWidth);
  painter.restore();
}

}  // namespace

void PaintChart(QPainter& painter, const QRectF& area, const Chart& chart) {
  PaintChartWith(painter, area, chart, FontsFor(area));
}

void PaintCharts(QPainter& painter, const QRectF& area, std::span<const Chart> charts) {
  if (charts.empty()) {
    painter.fillRect(area, kBackground);
    return;
  }
  // One text size for all, as large as the whole area allows.
  const Fonts fonts = FontsFor(area);
  const double width = area.width() / static_cast<double>(charts.size());
  for (std::size_t k = 0; k < charts.size(); ++k)
    PaintChartWith(painter, QRectF(area.left() + k * width, area.top(), width, area.height()), charts[k], fonts);
}

}  // namespace kelvane::chartpaint
