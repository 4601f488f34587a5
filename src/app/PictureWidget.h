// A picture area: paints by replaying what the plots recorded on the form's picture box.
#pragma once

#include <QFrame>

#include "ui/Controls.h"

namespace kelvane::app {

class PictureWidget : public QFrame {
 public:
  PictureWidget(const ui::PictureBox& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ui::PictureBox& picture_;
};

}  // namespace kelvane::app
