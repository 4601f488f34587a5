// A picture area: paints by replaying what the plots recorded on the form's picture box. A right click
// offers to save the picture as PNG or SVG.
#pragma once

#include <QFrame>
#include <QString>

#include "ui/Controls.h"

namespace kelvane::app {

class PictureWidget : public QFrame {
 public:
  PictureWidget(const ui::PictureBox& picture, QWidget* parent);

  // Saves exactly what the drawing area shows, at its size, as PNG or SVG by the name's ending; an empty
  // text, or the reason it failed.
  QString SaveImage(const QString& path) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  const ui::PictureBox& picture_;
};

}  // namespace kelvane::app
