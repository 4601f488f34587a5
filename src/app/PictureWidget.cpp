#include "app/PictureWidget.h"

#include <QPainter>

#include "app/PainterSurface.h"

namespace kelvane::app {

PictureWidget::PictureWidget(const ui::PictureBox& picture, QWidget* parent) : QFrame(parent), picture_(picture) {
  // The sunken border makes the drawing area slightly smaller than the outer size, as the plots expect.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QColor background = ToQColor(picture_.Look().background.value_or(kPictureBackground));
  PainterSurface surface(painter, contentsRect(), background);
  // Nothing recorded yet still shows the empty picture.
  surface.Clear();
  picture_.Surface().ReplayOn(surface);
}

}  // namespace kelvane::app
