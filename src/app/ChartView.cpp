// Paints a tab's charts, at most two to a row, and offers their exports on a right click.
#include "app/ChartView.h"

#include <algorithm>
#include <span>

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "chartpaint/ChartPainter.h"

namespace kelvane::app {
namespace {

constexpr const char* kExport = "Dışa aktar…";
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 200;
// Three charts in one row would each be too narrow to read: more than two go two to a row, each as wide
// as in a full row, so that all share one text size.
constexpr std::size_t kChartsPerRow = 2;

}  // namespace

ChartView::ChartView(std::function<const std::vector<charts::Chart>&()> charts, std::function<void()> exportTab,
                     QWidget* parent)
    : QWidget(parent), charts_(std::move(charts)), export_(std::move(exportTab)) {
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const std::span<const charts::Chart> charts = charts_();
  if (charts.size() <= kChartsPerRow) return chartpaint::PaintCharts(painter, rect(), charts);
  const std::size_t rows = (charts.size() + kChartsPerRow - 1) / kChartsPerRow;
  const double width = static_cast<double>(rect().width()) / kChartsPerRow;
  const double height = static_cast<double>(rect().height()) / static_cast<double>(rows);
  for (std::size_t row = 0; row < rows; ++row) {
    const std::size_t first = row * kChartsPerRow;
    const std::size_t count = std::min(kChartsPerRow, charts.size() - first);
    const QRectF line(0, static_cast<double>(row) * height, width * static_cast<double>(count), height);
    chartpaint::PaintCharts(painter, line, charts.subspan(first, count));
    // An empty place at the end of the last row shows the charts' background.
    if (count < kChartsPerRow)
      chartpaint::PaintCharts(painter, QRectF(line.right(), line.top(), rect().width() - line.width(), height), {});
  }
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const QAction* exportAction = menu.addAction(kExport);
  if (menu.exec(event->globalPos()) == exportAction) export_();
}

}  // namespace kelvane::app
