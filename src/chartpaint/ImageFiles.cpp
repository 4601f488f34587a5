// Charts encoded as PNG or SVG files, at a fixed size, without a display.
#include "chartpaint/ImageFiles.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdlib>

#include "chartpaint/ChartPainter.h"

namespace kelvane::chartpaint {
namespace {

constexpr int kScreenDotsPerInch = 96;
constexpr const char* kSvgTitle = "Kelvane";

QByteArray EncodePng(QSize size, const std::function<void(QPainter&)>& paint) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paint(painter);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray EncodeSvg(QSize size, const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(kScreenDotsPerInch);
  generator.setTitle(kSvgTitle);
  {
    QPainter painter(&generator);
    paint(painter);
  }
  return bytes;
}

// Qt keeps the argument count and list it is started with for its whole life.
int gArgumentCount = 1;
char gProgramName[] = "kelvane";
char* gArguments[] = {gProgramName, nullptr};

// The batch tool's standard error carries its own messages only, not Qt's notes about the platform.
void DiscardQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

QByteArray EncodeImage(QSize size, charts::ImageFormat format, const std::function<void(QPainter&)>& paint) {
  return format == charts::ImageFormat::Svg ? EncodeSvg(size, paint) : EncodePng(size, paint);
}

QByteArray EncodeCharts(std::span<const charts::Chart> charts, QSize size, charts::ImageFormat format) {
  return EncodeImage(size, format,
                     [&](QPainter& painter) { PaintCharts(painter, QRectF(QPoint(0, 0), size), charts); });
}

OffscreenGui::OffscreenGui() {
  if (QCoreApplication::instance()) return;
  previousHandler_ = qInstallMessageHandler(DiscardQtMessages);
  // Whatever desktop the caller runs on: nothing is shown, and no display may be there at all.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  application_ = std::make_unique<QGuiApplication>(gArgumentCount, gArguments);
}

OffscreenGui::~OffscreenGui() {
  if (!application_) return;
  application_.reset();
  qInstallMessageHandler(previousHandler_);
}

}  // namespace kelvane::chartpaint
