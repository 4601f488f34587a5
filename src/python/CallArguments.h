// What a call of the Python module hands its compiled half, checked by kelvane/__init__.py: the wing (a
// configuration file, values or a project's), the window's settings beside it, the flaps and the output
// folder; and the wing they make together.
#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/BatchSession.h"
#include "model/Outcome.h"
#include "model/Wing.h"
#include "project/Project.h"

namespace kelvane::python {

// The planform parameters ticked as given, in the order S, AR, b, cOrt.
using Ticks = std::array<bool, 4>;
// A flap as Python gives it: (y1, y2, E, delta).
using FlapValues = std::array<double, 4>;

struct CallArguments {
  std::string config;        // the file's path as bytes, as the file system holds it
  std::optional<Wing> wing;  // or the wing itself, from a mapping
  std::string stations;
  Ticks inputs{};
  bool givenCL = false;
  bool detail = false;
  std::vector<FlapValues> flaps;
  std::string outputFolder;
};

// The numbers of a configuration mapping, by the names of the wing's fields they fill: a project's wing's.
inline constexpr const auto& kConfigNumbers = project::kWingNumbers;

// Puts the wing of a configuration mapping into args, each number as a saved configuration file would
// hold it, so that a mapping and the file saved from it give the same numbers. A panel count outside 1..4
// raises ValueError.
void UseMapping(CallArguments& args, const std::map<std::string, double>& numbers, bool trapezoidal,
                const std::vector<double>& ks, const std::vector<double>& kc);

// Puts the wing of the project file at path into args and hands back (None, its settings) by the names of
// the keywords they stand in for, its polars' files found from the project's folder; or (the refusal's
// message, None).
pybind11::tuple UseProject(CallArguments& args, const std::string& path);

// The batch session's settings; notices go to notify.
batch::SessionSettings Settings(const CallArguments& args, std::function<void(const std::string&)> notify);

// The configuration's wing (read as the window's file panel reads it, or the mapping's or project's) with the
// call's station count, planform inputs and flaps; refused as the configuration reader refuses.
Expected<Wing> WingToSolve(const CallArguments& args);

}  // namespace kelvane::python
