// The About window's content: a small, modeless window that says what the program computes.
#pragma once

#include <string>
#include <vector>

#include "graphics/PlotSurface.h"
#include "ui/Controls.h"

namespace kelvane::ui {

struct AboutLabel {
  std::string name;
  std::string caption;
  Geometry bounds;
  double fontPoints;
  std::optional<Color> color;  // none: the system text colour
};

struct AboutWindow {
  std::string caption = "About";
  int clientWidth = 240;
  int clientHeight = 239;
  Color background{255, 255, 192};
  std::string fontFamily = "Verdana";
  std::vector<AboutLabel> labels;

  bool created = false;  // created on first use, then shown again
  bool visible = false;
  int showCount = 0;  // how often it was asked to show
};

}  // namespace kelvane::ui
