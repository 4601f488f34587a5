// The About window: a modeless window of fixed size with the form's labels on its background.
#pragma once

#include <QWidget>

#include "ui/AboutWindow.h"

namespace kelvane::app {

class AboutWidget : public QWidget {
  Q_OBJECT

 public:
  AboutWidget(const ui::AboutWindow& about, QWidget* owner);
};

}  // namespace kelvane::app
