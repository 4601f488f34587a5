// The planform parameters: any two of area, aspect ratio, span and mean chord give the other two.
//
// Step     Reads                                   Writes
// PlanPar  the four parameter boxes and tick boxes  InputError; S, AR, b, cOrt unless refused
#pragma once

#include <string>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

// What the window shows for one parameter: its tick box value (0, 1 or 2; only 1 counts as ticked) and the
// text of its value box.
struct ParameterInput {
  int check = 0;
  std::string text;
};

struct PlanParInput {
  ParameterInput S, AR, b, cOrt;
};

// Resolves S, AR, b and cOrt from the two ticked parameters. A refusal raises InputError and leaves the
// parameters as they were. On success the caller writes b, cOrt, AR and S back to their boxes, in that
// order.
Outcome PlanPar(Module_ortak& m, const PlanParInput& input);

}  // namespace kelvane
