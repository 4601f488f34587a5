// Pictures as PNG or SVG file contents, painted by any painting function; and the Qt session a program
// without a window needs for fonts.
#pragma once

#include <functional>
#include <memory>
#include <span>

#include <QByteArray>
#include <QSize>
#include <QtGlobal>

#include "results/charts/Chart.h"
#include "results/charts/ImageFormat.h"

class QGuiApplication;
class QPainter;

namespace kelvane::chartpaint {

// The size of a chart saved from the command line.
inline constexpr QSize kChartFileSize{800, 500};

// Paints a picture of the given size in logical pixels into the bytes of a PNG or SVG file.
QByteArray EncodeImage(QSize size, charts::ImageFormat format, const std::function<void(QPainter&)>& paint);

QByteArray EncodeCharts(std::span<const charts::Chart> charts, QSize size, charts::ImageFormat format);

// Fonts and images need a Gui application. A program that has none, such as the batch tool, holds one of
// these while it paints: it starts Qt on the offscreen platform, so that no display is needed.
class OffscreenGui {
 public:
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  std::unique_ptr<QGuiApplication> application_;  // none when the program already has one
  QtMessageHandler previousHandler_ = nullptr;
};

}  // namespace kelvane::chartpaint
