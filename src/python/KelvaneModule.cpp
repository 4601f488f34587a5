// _kelvane, the compiled half of the Python module kelvane: one batch session per call, its numbers handed
// over as Python floats and numpy arrays. The arguments arrive checked by kelvane/__init__.py, which also
// owns the private folder. Each call has a record of its own, and the session locks its output folder
// against other runs, so calls from several threads need no lock of the module's.
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
#include "config/ConfigFile.h"
#include "model/Wing.h"
#include "model/Version.h"
#include "planform/Chords.h"
#include "results/Polar.h"
#include "results/Quantities.h"

namespace py = pybind11;

namespace kelvane::python {
namespace {

// The numbers of a configuration mapping, by the names of the wing's fields they fill.
const std::array<std::pair<const char*, double Wing::*>, 11> kConfigNumbers{{
    {"S", &Wing::S},
    {"AR", &Wing::AR},
    {"b", &Wing::b},
    {"cOrt", &Wing::cOrt},
    {"AszK", &Wing::AszK},
    {"Alfa0K", &Wing::Alfa0K},
    {"AszU", &Wing::AszU},
    {"Alfa0U", &Wing::Alfa0U},
    {"dAlfa", &Wing::dAlfa},
    {"CL", &Wing::CL},
    {"AlfaK", &Wing::AlfaK},
}};

// The planform parameters ticked as given, in the order S, AR, b, cOrt.
using Ticks = std::array<bool, 4>;

struct SessionArguments {
  std::string config;         // the file's path as bytes, as the file system holds it
  std::optional<Wing> wing;   // or the wing itself, from a mapping
  std::string stations;
  Ticks inputs{};
  bool givenCL = false;
  bool detail = false;
  std::string outputFolder;
};

// What a run tells the user while it goes on (a wait for the folder's lock) goes to Python's standard error.
void ToStandardError(const std::string& line) {
  py::print(line, py::arg("file") = py::module_::import("sys").attr("stderr"));
}

batch::SessionSettings Settings(const SessionArguments& args) {
  return {.stations = args.stations,
          .inputs = {.S = args.inputs[0], .AR = args.inputs[1], .b = args.inputs[2], .cOrt = args.inputs[3]},
          .givenCL = args.givenCL,
          .detail = args.detail,
          .outputFolder = args.outputFolder,
          .notify = ToStandardError};
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
  for (const auto& quantity : kStationQuantities)
    arrays[quantity.name] = Column(spanwise.stations, quantity.member);
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
  for (const auto& quantity : kPointQuantities) values[quantity.name] = solved.point.*quantity.member;
  const std::optional<SpanEfficiency>& efficiency = solved.spanwise.spanEfficiency;
  values["e"] = OptionalFloat(efficiency ? std::optional(efficiency->e) : std::nullopt);
  values["delta"] = OptionalFloat(efficiency ? std::optional(efficiency->delta) : std::nullopt);
  values["stations"] = StationArrays(solved.spanwise);
  values["stall"] = StallDict(solved.stall);
  return values;
}

batch::BatchSession Session(const SessionArguments& args) {
  if (args.wing) return batch::BatchSession(Settings(args), *args.wing);
  return batch::BatchSession(Settings(args), args.config);
}

py::object Message(const batch::BatchSession& session) { return py::str(session.Refusal().Message()); }

// (the refusal's message, the results): the results are None when there is a message.
py::tuple Solve(const SessionArguments& args, const std::optional<std::pair<double, double>>& clmax) {
  batch::BatchSession session = Session(args);
  std::optional<SectionMaxLift> maxLift;
  if (clmax) maxLift = SectionMaxLift{.clmaxK = clmax->first, .clmaxU = clmax->second};
  const std::optional<batch::SolvedWing> solved = session.Solve(maxLift);
  if (!solved || !session.WriteFiles()) return py::make_tuple(Message(session), py::none());
  return py::make_tuple(py::none(), SolvedDict(*solved));
}

// (the refusal's message, the polar's columns): the columns are None when there is a message.
py::tuple Sweep(const SessionArguments& args, const std::vector<double>& values) {
  batch::BatchSession session = Session(args);
  std::vector<batch::SweptPoint> rows;
  rows.reserve(values.size());
  const bool swept = session.Sweep(values, [&](const batch::SweptPoint& solved) {
    // A long sweep still stops at Ctrl+C: the pending KeyboardInterrupt ends the call.
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    rows.push_back(solved);
    return true;
  });
  if (!swept || !session.WriteFiles()) return py::make_tuple(Message(session), py::none());

  py::dict columns;
  for (const auto& quantity : kPointQuantities) {
    columns[quantity.name] =
        Column(rows, [member = quantity.member](const batch::SweptPoint& row) { return row.point.*member; });
  }
  // NaN where e is undefined, at zero lift.
  columns["e"] = Column(rows, [](const batch::SweptPoint& row) {
    return row.spanEfficiency ? row.spanEfficiency->e : std::numeric_limits<double>::quiet_NaN();
  });
  return py::make_tuple(py::none(), columns);
}

// The wing of a configuration mapping, each number as a saved configuration file would hold it, so that a
// mapping and the file saved from it give the same numbers.
void UseMapping(SessionArguments& args, const std::map<std::string, double>& numbers, bool trapezoidal,
                const std::vector<double>& ks, const std::vector<double>& kc) {
  Wing wing;
  for (const auto& [name, member] : kConfigNumbers) {
    const auto value = numbers.find(name);
    if (value == numbers.end()) throw py::key_error(name);
    wing.*member = config::AsSavedInConfig(value->second);
  }
  wing.planform = trapezoidal ? PlanformType::Trapezoidal : PlanformType::Elliptic;
  if (trapezoidal) {
    const double panels = static_cast<double>(ks.size());
    if (kc.size() != ks.size() || !PanelCountInRange(panels)) throw py::value_error(kPanelCountMessage);
    wing.nTrap = panels;
    for (std::size_t i = 0; i < ks.size(); ++i) {
      wing.ks[i + 1] = config::AsSavedInConfig(ks[i]);
      wing.kc[i + 1] = config::AsSavedInConfig(kc[i]);
    }
  }
  args.wing = wing;
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
  // (the points, None) or (None, the message), the message in the module's words.
  module.def(
      "make_sweep",
      [](double from, double to, double step, const kelvane::SweepMessages& messages) {
        auto sweep = kelvane::MakeSweep(from, to, step, messages);
        if (!sweep) return py::make_tuple(py::none(), sweep.Message());
        return py::make_tuple(std::move(*sweep), py::none());
      },
      py::arg("start"), py::arg("stop"), py::arg("step"), py::arg("messages"));
  py::class_<kelvane::SweepMessages>(module, "SweepMessages")
      .def(py::init([](std::string stepNotPositive, std::string empty, std::string tooManyPoints) {
             return kelvane::SweepMessages{std::move(stepNotPositive), std::move(empty), std::move(tooManyPoints)};
           }),
           py::arg("step_not_positive"), py::arg("empty"), py::arg("too_many_points"));
  module.def("use_mapping", &UseMapping, py::arg("args"), py::arg("numbers"), py::arg("trapezoidal"),
             py::arg("ks"), py::arg("kc"));
  // The table of result quantities: (name, title, unit) for the wing's values and a station's.
  const auto describe = [](const auto& quantities) {
    py::list rows;
    for (const auto& quantity : quantities) rows.append(py::make_tuple(quantity.name, quantity.title, quantity.unit));
    return py::tuple(rows);
  };
  module.attr("POINT_QUANTITIES") = describe(kelvane::kPointQuantities);
  module.attr("STATION_QUANTITIES") = describe(kelvane::kStationQuantities);
}
