// A symmetric plain flap as the user gives it; solver/Flaps.h checks it and puts it on the wing.
#pragma once

namespace kelvane {

// One flap, on both halves of the wing.
struct Flap {
  double y1 = 0;     // inner end, m from the plane of symmetry
  double y2 = 0;     // outer end, m
  double E = 0;      // chord ratio cf/c
  double delta = 0;  // deflection, degrees, trailing edge down positive
};

}  // namespace kelvane
