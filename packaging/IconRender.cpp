// Renders the program's SVG icon into a square PNG for icon themes that want a fixed size:
//   kelvane-icon-render ICON.svg SIZE ICON.png
#include <cstdio>
#include <cstdlib>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "Usage: kelvane-icon-render ICON.svg SIZE ICON.png\n");
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  const int size = std::atoi(argv[2]);
  if (!renderer.isValid() || size <= 0) {
    std::fprintf(stderr, "kelvane-icon-render: cannot render %s at %s pixels\n", argv[1], argv[2]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "kelvane-icon-render: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
