// _kelvane, the compiled half of the Python module kelvane: the calls, the tables the package words its
// docstrings from, and the limits it checks arguments against. The arguments arrive checked by
// kelvane/__init__.py, which also owns the private folder. Each call has a record of its own and runs
// without the interpreter lock; the batch session locks its output folder against other runs, so calls
// from several threads need no lock of the module's.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>
#include <utility>

#include "CallArguments.h"
#include "LinearCalls.h"
#include "PolarCalls.h"
#include "PythonValues.h"
#include "model/Version.h"
#include "planform/Chords.h"
#include "polars/xfoil/TrapsOffLibrary.h"
#include "results/Polar.h"
#include "results/Quantities.h"
#include "results/SpanLoads.h"
#include "solver/Flaps.h"

namespace py = pybind11;

PYBIND11_MODULE(_kelvane, module) {
  using namespace kelvane;
  using namespace kelvane::python;
  module.doc() = "The compiled half of kelvane; use the kelvane package.";
  module.attr("__version__") = kVersion;

  py::list numberNames;
  for (const auto& [name, member] : kConfigNumbers) numberNames.append(name);
  module.attr("CONFIG_NUMBERS") = py::tuple(numberNames);
  module.attr("MAX_PANELS") = kMaxPanels;
  module.attr("MAX_SWEEP_POINTS") = kMaxSweepPoints;
  module.attr("SEA_LEVEL_AIR_DENSITY") = kSeaLevelAirDensity;
  module.attr("MAX_FLAPS") = kMaxFlaps;
  module.attr("TRAPS_OFF_LIBRARY") = xfoil::kTrapsOffLibraryFileName;

  py::class_<CallArguments>(module, "CallArguments")
      .def(py::init<>())
      .def_readwrite("config", &CallArguments::config)
      .def_readwrite("stations", &CallArguments::stations)
      .def_readwrite("inputs", &CallArguments::inputs)
      .def_readwrite("given_cl", &CallArguments::givenCL)
      .def_readwrite("detail", &CallArguments::detail)
      .def_readwrite("flaps", &CallArguments::flaps)
      .def_readwrite("output_folder", &CallArguments::outputFolder);
  py::class_<PolarArguments>(module, "PolarArguments")
      .def(py::init<>())
      .def_readwrite("root", &PolarArguments::root)
      .def_readwrite("tip", &PolarArguments::tip)
      .def_readwrite("refresh", &PolarArguments::refresh)
      .def_readwrite("traps_off_library", &PolarArguments::trapsOffLibrary);

  module.def("solve", &Solve, py::arg("args"), py::arg("clmax"), py::arg("rho"));
  module.def("sweep", &Sweep, py::arg("args"), py::arg("values"));
  module.def("solve_polar", &SolveWithPolars, py::arg("args"), py::arg("polars"), py::arg("find_clmax"),
             py::arg("rho"));
  module.def("sweep_polar", &SweepWithPolars, py::arg("args"), py::arg("polars"), py::arg("values"));
  module.def("load_polar", &LoadPolar, py::arg("polars"));
  module.def("read_polar", &ReadPolar, py::arg("path"));
  // (the points, None) or (None, the message), the message in the module's words.
  module.def(
      "make_sweep",
      [](double from, double to, double step, const SweepMessages& messages) {
        auto sweep = MakeSweep(from, to, step, messages);
        if (!sweep) return py::make_tuple(py::none(), sweep.Message());
        return py::make_tuple(std::move(*sweep), py::none());
      },
      py::arg("start"), py::arg("stop"), py::arg("step"), py::arg("messages"));
  py::class_<SweepMessages>(module, "SweepMessages")
      .def(py::init([](std::string stepNotPositive, std::string empty, std::string tooManyPoints) {
             return SweepMessages{std::move(stepNotPositive), std::move(empty), std::move(tooManyPoints)};
           }),
           py::arg("step_not_positive"), py::arg("empty"), py::arg("too_many_points"));
  module.def("use_mapping", &UseMapping, py::arg("args"), py::arg("numbers"), py::arg("trapezoidal"), py::arg("ks"),
             py::arg("kc"));
  module.def("use_project", &UseProject, py::arg("args"), py::arg("path"));
  module.attr("PROJECT_EXTENSION") = std::string(project::kProjectExtension);
  // The tables of result quantities: (name, title, unit) rows.
  module.attr("POINT_QUANTITIES") = Describe(kPointQuantities);
  module.attr("STATION_QUANTITIES") = Describe(kStationQuantities);
  module.attr("POLAR_QUANTITIES") = Describe(kPolarQuantities);
  module.attr("POLAR_STATION_QUANTITIES") = Describe(kPolarStationQuantities);
  module.attr("LOAD_QUANTITIES") = Describe(kLoadQuantities);
  module.attr("STATION_LOAD_QUANTITIES") = Describe(kStationLoadQuantities);
  py::list rootLoads;
  for (const auto& quantity : kLoadQuantities)
    if (AtRoot(quantity)) rootLoads.append(quantity.name);
  module.attr("ROOT_LOADS") = py::tuple(rootLoads);
}
