// A picture area of the main window: replays the form's recorded drawing.
#include "app/PictureWidget.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "app/PainterSurface.h"
#include "app/SaveDialog.h"
#include "chartpaint/ImageFiles.h"
#include "model/TextFile.h"

namespace kelvane::app {
namespace {

constexpr const char* kSaveImage = "Resmi kaydet…";
constexpr const char* kNotAPicture = "adı .png ya da .svg ile bitmeli";

// The empty picture, then everything recorded on it.
void Replay(const ui::PictureBox& picture, QPainter& painter, const QRect& area) {
  const QColor background = ToQColor(picture.Look().background.value_or(kPictureBackground));
  PainterSurface surface(painter, area, background);
  surface.Clear();
  picture.Surface().ReplayOn(surface);
}

}  // namespace

PictureWidget::PictureWidget(const ui::PictureBox& picture, QWidget* parent) : QFrame(parent), picture_(picture) {
  // The sunken border makes the drawing area slightly smaller than the outer size, as the plots expect.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  Replay(picture_, painter, contentsRect());
}

QString PictureWidget::SaveImage(const QString& path) const {
  const std::string name = path.toStdString();
  const auto format = charts::ImageFormatOf(name);
  if (!format) return kNotAPicture;
  const QSize size = contentsRect().size();
  const QByteArray image = chartpaint::EncodeImage(
      size, *format, [this, size](QPainter& painter) { Replay(picture_, painter, QRect(QPoint(0, 0), size)); });
  return QString::fromStdString(WriteFileReplacing(name, image.toStdString()).Message());
}

void PictureWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const QAction* save = menu.addAction(kSaveImage);
  if (menu.exec(event->globalPos()) != save) return;
  const QString suggested = QString::fromStdString(picture_.Name()) + ".png";
  SaveOrTell(this, AskSavePath(this, suggested, {kPngFile, kSvgFile}),
             [this](const QString& path) { return SaveImage(path); });
}

}  // namespace kelvane::app
