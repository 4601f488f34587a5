// The planform parameters: any two of area, aspect ratio, span and mean chord give the other two.
#pragma once

#include <string>

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

// Resolves S, AR, b and cOrt in the model from the two ticked parameters and sets InputError. Returns the
// message to show when the input is rejected (the model's parameters then keep their values), or an empty
// string. On success the caller writes b, cOrt, AR and S back to their boxes, in that order.
std::string PlanPar(const PlanParInput& input);

}  // namespace kelvane
