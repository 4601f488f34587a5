// The About window as a Qt widget, showing what the form's About window holds.
#include "app/AboutWidget.h"

#include <QLabel>

#include "app/PainterSurface.h"

namespace kelvane::app {
namespace {

QLabel* CreateLabel(const ui::AboutLabel& text, const QString& fontFamily, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(text.caption), parent);
  label->setObjectName(QString::fromStdString(text.name));
  label->setGeometry(text.bounds.left, text.bounds.top, text.bounds.width, text.bounds.height);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont font(fontFamily);
  font.setPointSizeF(text.fontPoints);
  label->setFont(font);
  if (text.color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(*text.color));
    label->setPalette(palette);
  }
  return label;
}

}  // namespace

AboutWidget::AboutWidget(const ui::AboutWindow& about, QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(QString::fromStdString(about.caption));
  setFixedSize(about.clientWidth, about.clientHeight);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(about.background));
  setPalette(palette);
  setAutoFillBackground(true);
  const QString fontFamily = QString::fromStdString(about.fontFamily);
  for (const ui::AboutLabel& text : about.labels) CreateLabel(text, fontFamily, this);
}

}  // namespace kelvane::app
