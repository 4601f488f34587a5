// A chart description painted on screen, as the results window's tabs show it.
#include "app/ChartView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "chartpaint/ChartPainter.h"

namespace kelvane::app {
namespace {

constexpr const char* kExport = "Dışa aktar…";
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 200;

}  // namespace

ChartView::ChartView(std::function<const std::vector<charts::Chart>&()> charts, std::function<void()> exportTab,
                     QWidget* parent)
    : QWidget(parent), charts_(std::move(charts)), export_(std::move(exportTab)) {
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  chartpaint::PaintCharts(painter, rect(), charts_());
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const QAction* exportAction = menu.addAction(kExport);
  if (menu.exec(event->globalPos()) == exportAction) export_();
}

}  // namespace kelvane::app
