// _kelvane, the compiled half of the Python module kelvane: one batch session per call, its numbers handed
// over as Python floats and numpy arrays. The arguments arrive checked by kelvane/__init__.py, which also
// owns the private folder and the lock between threads (the session locks its output folder against other
// processes); the Python interpreter lock is held throughout, so nothing else runs while the shared record
// is in use.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <array>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/BatchSession.h"
#include "model/Module_ortak.h"
#include "model/Version.h"
#include "planform/Chords.h"
#include "results/Polar.h"
#include "ui/ConfigFile.h"

namespace py = pybind11;

namespace kelvane::python {
namespace {

// The numbers of a configuration mapping, by the names of the record's fields they fill.
const std::array<std::pair<const char*, double Module_ortak::*>, 11> kConfigNumbers{{
    {"S", &Module_ortak::S},
    {"AR", &Module_ortak::AR},
    {"b", &Module_ortak::b},
    {"cOrt", &Module_ortak::cOrt},
    {"AszK", &Module_ortak::AszK},
    {"Alfa0K", &Module_ortak::Alfa0K},
    {"AszU", &Module_ortak::AszU},
    {"Alfa0U", &Module_ortak::Alfa0U},
    {"dAlfa", &Module_ortak::dAlfa},
    {"CL", &Module_ortak::CL},
    {"AlfaK", &Module_ortak::AlfaK},
}};

// The planform parameters ticked as given, in the order S, AR, b, cOrt.
using Ticks = std::array<bool, 4>;

struct SessionArguments {
  std::string config;  // the file's path as bytes, as the file system holds it
  std::string stations;
  Ticks inputs{};
  bool givenCL = false;
  bool detail = false;
  std::string outputFolder;
};

batch::SessionSettings Settings(const SessionArguments& args) {
  return {.stations = args.stations,
          .inputs = {.S = args.inputs[0], .AR = args.inputs[1], .b = args.inputs[2], .cOrt = args.inputs[3]},
          .givenCL = args.givenCL,
          .detail = args.detail,
          .outputFolder = args.outputFolder};
}

// One value of every row as a numpy array.
template <typename Row, typename Value>
py::array_t<double> Column(const std::vector<Row>& rows, Value value) {
  py::array_t<double> column(static_cast<py::ssize_t>(rows.size()));
  auto cells = column.mutable_unchecked<1>();
  for (std::size_t k = 0; k < rows.size(); ++k) cells(static_cast<py::ssize_t>(k)) = value(rows[k]);
  return column;
}

template <typename Row>
py::array_t<double> Column(const std::vector<Row>& rows, double Row::*member) {
  return Column(rows, [member](const Row& row) { return row.*member; });
}

py::object OptionalFloat(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}

py::dict StationArrays(const SpanwiseResults& spanwise) {
  py::dict arrays;
  for (const auto& [name, member] : kStationValues) arrays[name] = Column(spanwise.stations, member);
  if (spanwise.maxLift)
    arrays[kMaxLiftName] = Column(spanwise.stations, [](const StationValues& station) { return *station.clmax; });
  return arrays;
}

py::object StallDict(const std::optional<StallOnset>& stall) {
  if (!stall) return py::none();
  py::dict onset;
  onset["AlfaK"] = stall->AlfaK;
  onset["CL"] = stall->CL;
  onset["y"] = stall->y;
  onset["station"] = stall->station;
  return onset;
}

py::dict SolvedDict(const batch::SolvedWing& solved) {
  py::dict values;
  for (const auto& [name, member] : kOperatingPointValues) values[name] = solved.point.*member;
  const std::optional<SpanEfficiency>& efficiency = solved.spanwise.spanEfficiency;
  values["e"] = OptionalFloat(efficiency ? std::optional(efficiency->e) : std::nullopt);
  values["delta"] = OptionalFloat(efficiency ? std::optional(efficiency->delta) : std::nullopt);
  values["stations"] = StationArrays(solved.spanwise);
  values["stall"] = StallDict(solved.stall);
  return values;
}

// (the form's messages, the results): the results are None when there are messages.
py::tuple Solve(const SessionArguments& args, const std::optional<std::pair<double, double>>& clmax) {
  batch::BatchSession session(Settings(args), args.config);
  std::optional<SectionMaxLift> maxLift;
  if (clmax) maxLift = SectionMaxLift{.clmaxK = clmax->first, .clmaxU = clmax->second};
  const std::optional<batch::SolvedWing> solved = session.Solve(maxLift);
  if (!solved) return py::make_tuple(session.Messages(), py::none());
  return py::make_tuple(py::list(), SolvedDict(*solved));
}

// (the form's messages, the polar's columns): the columns are None when there are messages.
py::tuple Sweep(const SessionArguments& args, const std::vector<double>& values) {
  batch::BatchSession session(Settings(args), args.config);
  std::vector<batch::SweptPoint> rows;
  rows.reserve(values.size());
  const bool swept = session.Sweep(values, [&](const batch::SweptPoint& solved) {
    // A long sweep still stops at Ctrl+C: the pending KeyboardInterrupt ends the call.
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    rows.push_back(solved);
    return true;
  });
  if (!swept) return py::make_tuple(session.Messages(), py::none());

  py::dict columns;
  for (const auto& [name, member] : kOperatingPointValues)
    columns[name] = Column(rows, [member](const batch::SweptPoint& row) { return row.point.*member; });
  // NaN where e is undefined, at zero lift.
  columns["e"] = Column(rows, [](const batch::SweptPoint& row) {
    return row.spanEfficiency ? row.spanEfficiency->e : std::numeric_limits<double>::quiet_NaN();
  });
  return py::make_tuple(py::list(), columns);
}

// The text of the configuration file that holds the given values; the panels only for a trapezoidal wing.
py::bytes ConfigText(const std::map<std::string, double>& numbers, bool trapezoidal, const std::vector<double>& ks,
                     const std::vector<double>& kc) {
  auto record = std::make_unique<Module_ortak>();  // the tables make it too large for the stack
  for (const auto& [name, member] : kConfigNumbers) {
    const auto value = numbers.find(name);
    if (value == numbers.end()) throw py::key_error(name);
    (*record).*member = value->second;
  }
  if (trapezoidal) {
    const double panels = static_cast<double>(ks.size());
    if (kc.size() != ks.size() || !PanelCountInRange(panels)) throw py::value_error(kPanelCountMessage);
    record->nTrap = panels;
    for (std::size_t i = 0; i < ks.size(); ++i) {
      record->ks[i + 1] = ks[i];
      record->kc[i + 1] = kc[i];
    }
  }
  return py::bytes(ui::ConfigText(*record, {.elliptic = !trapezoidal, .trapezoidal = trapezoidal}));
}

}  // namespace
}  // namespace kelvane::python

PYBIND11_MODULE(_kelvane, module) {
  using namespace kelvane::python;
  module.doc() = "The compiled half of kelvane; use the kelvane package.";
  module.attr("__version__") = kelvane::kVersion;

  py::list numberNames;
  for (const auto& [name, member] : kConfigNumbers) numberNames.append(name);
  module.attr("CONFIG_NUMBERS") = py::tuple(numberNames);
  module.attr("MAX_PANELS") = kelvane::kMaxPanels;
  module.attr("MAX_SWEEP_POINTS") = kelvane::kMaxSweepPoints;

  py::class_<SessionArguments>(module, "SessionArguments")
      .def(py::init<>())
      .def_readwrite("config", &SessionArguments::config)
      .def_readwrite("stations", &SessionArguments::stations)
      .def_readwrite("inputs", &SessionArguments::inputs)
      .def_readwrite("given_cl", &SessionArguments::givenCL)
      .def_readwrite("detail", &SessionArguments::detail)
      .def_readwrite("output_folder", &SessionArguments::outputFolder);

  module.def("solve", &Solve, py::arg("args"), py::arg("clmax"));
  module.def("sweep", &Sweep, py::arg("args"), py::arg("values"));
  py::enum_<kelvane::SweepFault>(module, "SweepFault")
      .value("StepNotPositive", kelvane::SweepFault::StepNotPositive)
      .value("Empty", kelvane::SweepFault::Empty)
      .value("TooManyPoints", kelvane::SweepFault::TooManyPoints);
  // (the points, None) or (None, the fault).
  module.def(
      "make_sweep",
      [](double from, double to, double step) {
        kelvane::SweepValues sweep = kelvane::MakeSweep(from, to, step);
        if (sweep.fault) return py::make_tuple(py::none(), *sweep.fault);
        return py::make_tuple(std::move(sweep.values), py::none());
      },
      py::arg("start"), py::arg("stop"), py::arg("step"));
  module.def("config_text", &ConfigText, py::arg("numbers"), py::arg("trapezoidal"), py::arg("ks"),
             py::arg("kc"));
}
