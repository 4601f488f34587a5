// The text of a wing configuration file, as the form's writer makes it, for callers that hold a
// configuration as values rather than in the window.
#pragma once

#include <string>

#include "model/Module_ortak.h"

namespace kelvane::ui {

// The planform type lines: the states of the elliptic and the trapezoidal option buttons.
struct PlanformOptions {
  bool elliptic = false;
  bool trapezoidal = false;
};

// The configuration lines of the record's values. The trapezoid block is there when options.trapezoidal is
// set; record.nTrap must then be in 1..4 (PanelCountInRange).
std::string ConfigText(const Module_ortak& record, PlanformOptions options);

}  // namespace kelvane::ui
