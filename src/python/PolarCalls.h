// solve and sweep with section polars, and the polars themselves: the nonlinear lifting line on the wing
// the call describes. A polar run writes no files: "PLL.txt" and "LastConfig.cfg" belong to the linear model.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "CallArguments.h"

namespace kelvane::python {

// The section polars of a call: the root's and the tip's (a polar file, or an XFoil request such as
// "naca2412@1e6"), whether XFoil's are computed afresh, and the trap switch XFoil runs with.
struct PolarArguments {
  std::string root;
  std::string tip;
  bool refresh = false;
  std::string trapsOffLibrary;
};

// (None, the values) of the wing at its root angle or, given CL, its CL; with the wing's CLmax when asked
// for, and the loads at air density rho. Or (the refusal's message, None).
pybind11::tuple SolveWithPolars(const CallArguments& args, const PolarArguments& polars, bool findCLmax, double rho);

// (None, the columns) of the wing at each value, a refused point NaN with its message, the sweep going on.
// Or (the refusal's message, None) when no point can be tried. A signal handler's exception
// (KeyboardInterrupt) stops the sweep, or the XFoil run, between steps.
pybind11::tuple SweepWithPolars(const CallArguments& args, const PolarArguments& polars,
                                const std::vector<double>& values);

// (None, the polar's arrays alpha, cl and cd) of the polar the root argument names, or of the polar file
// at path; or (the refusal's message, None).
pybind11::tuple LoadPolar(const PolarArguments& polars);
pybind11::tuple ReadPolar(const std::string& path);

}  // namespace kelvane::python
