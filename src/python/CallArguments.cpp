// The wing and settings of a call of the Python module.
#include "CallArguments.h"

#include <pybind11/pybind11.h>

#include <utility>

#include "config/ConfigFile.h"
#include "planform/Chords.h"
#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"

namespace py = pybind11;

namespace kelvane::python {

void UseMapping(CallArguments& args, const std::map<std::string, double>& numbers, bool trapezoidal,
                const std::vector<double>& ks, const std::vector<double>& kc) {
  Wing wing;
  for (const auto& [name, member] : kConfigNumbers) {
    const auto value = numbers.find(name);
    if (value == numbers.end()) throw pybind11::key_error(name);
    wing.*member = config::AsSavedInConfig(value->second);
  }
  wing.planform = trapezoidal ? PlanformType::Trapezoidal : PlanformType::Elliptic;
  if (trapezoidal) {
    const double panels = static_cast<double>(ks.size());
    if (kc.size() != ks.size() || !PanelCountInRange(panels)) throw pybind11::value_error(kPanelCountMessage);
    wing.nTrap = panels;
    for (std::size_t i = 0; i < ks.size(); ++i) {
      wing.ks[i + 1] = config::AsSavedInConfig(ks[i]);
      wing.kc[i + 1] = config::AsSavedInConfig(kc[i]);
    }
  }
  args.wing = wing;
}

py::tuple UseProject(CallArguments& args, const std::string& path) {
  // Named in messages as a configuration file is.
  const std::string named = batch::PanelPath(path);
  const Expected<project::Project> read = project::ReadProjectFile(named);
  if (!read) return py::make_tuple(read.Message(), py::none());
  const project::Project& project = *read;
  args.wing = project.wing;
  py::dict settings;
  settings["stations"] = project.wing.stations;
  py::list inputs;
  for (const auto& [name, tick] : project::kInputNames)
    if (project.wing.given.*tick) inputs.append(name);
  settings["inputs"] = py::tuple(inputs);
  settings["given_cl"] = project.givenCL;
  settings["detail"] = project.detail;
  settings["clmax"] =
      project.clmax ? py::object(py::make_tuple(project.clmax->clmaxK, project.clmax->clmaxU)) : py::object(py::none());
  py::object polar = py::none();
  if (project.polar) {
    // As the file system's bytes, as every path reaches this module.
    const auto polars = project::PolarsFromProject(*project.polar, project::ProjectFolder(named));
    polar = py::make_tuple(py::bytes(polars.root), py::bytes(polars.tip));
  }
  settings["polar"] = polar;
  settings["rho"] = project.rho;
  py::list flaps;
  for (const Flap& flap : project.wing.flaps) flaps.append(py::make_tuple(flap.y1, flap.y2, flap.E, flap.delta));
  settings["flaps"] = flaps;
  return py::make_tuple(py::none(), settings);
}

batch::SessionSettings Settings(const CallArguments& args, std::function<void(const std::string&)> notify) {
  return {.stations = args.stations,
          .inputs = {.S = args.inputs[0], .AR = args.inputs[1], .b = args.inputs[2], .cOrt = args.inputs[3]},
          .givenCL = args.givenCL,
          .detail = args.detail,
          .outputFolder = args.outputFolder,
          .notify = std::move(notify)};
}

Expected<Wing> WingToSolve(const CallArguments& args) {
  Expected<Wing> read =
      args.wing ? Expected<Wing>(*args.wing) : config::ReadConfigFile(batch::PanelPath(args.config), Wing{});
  if (!read) return read;
  const batch::SessionSettings settings = Settings(args, nullptr);
  read->stations = *settings.stations;
  read->given = settings.inputs;
  // The call's flaps, a project's among them when the call gives none.
  read->flaps.clear();
  for (const auto& [y1, y2, E, delta] : args.flaps) read->flaps.push_back({.y1 = y1, .y2 = y2, .E = E, .delta = delta});
  return read;
}

}  // namespace kelvane::python
