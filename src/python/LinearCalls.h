// solve and sweep on the linear model: a batch session each, with the files "PLL.txt" and "LastConfig.cfg"
// it leaves in the output folder, as kelvane-solve runs it.
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <utility>
#include <vector>

#include "CallArguments.h"

namespace kelvane::python {

// (None, the values) of the wing at its operating point, with the stall onset for the sections' clmax
// (root, tip) and the loads at air density rho; or (the refusal's message, None).
pybind11::tuple Solve(const CallArguments& args, const std::optional<std::pair<double, double>>& clmax, double rho);

// (None, the polar's columns) of the wing at each value; or (the refusal's message, None). A signal
// handler's exception (KeyboardInterrupt) stops the sweep between points and leaves the earlier files.
pybind11::tuple Sweep(const CallArguments& args, const std::vector<double>& values);

}  // namespace kelvane::python
