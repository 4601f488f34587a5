// The wing and settings of a call of the Python module.
#include "CallArguments.h"

#include <pybind11/pybind11.h>

#include <utility>

#include "config/ConfigFile.h"
#include "planform/Chords.h"

namespace kelvane::python {

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
  for (const auto& [y1, y2, E, delta] : args.flaps) read->flaps.push_back({.y1 = y1, .y2 = y2, .E = E, .delta = delta});
  return read;
}

}  // namespace kelvane::python
