// A whole design as a project file (".kelvane", JSON) keeps it: the wing with the window's settings beside
// it (station count, planform inputs, solution mode, report detail) and the results window's (sections'
// maximum lift, section polars, air density, flaps). The window, kelvane-solve and the Python module share it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/Wing.h"
#include "results/SpanLoads.h"
#include "results/SpanwiseResults.h"

namespace kelvane::project {

// The project file's format; a file of another version is refused.
inline constexpr int kProjectVersion = 1;
inline constexpr std::string_view kProjectExtension = ".kelvane";

// The section polars as the project names them: each a polar file (relative to the project file's folder
// unless absolute) or an XFoil request such as "naca2412@1e6". One polar for the whole wing has tip == root.
struct ProjectPolars {
  std::string root;
  std::string tip;
  bool operator==(const ProjectPolars&) const = default;
};

struct Project {
  // The wing with the station box's text, the planform inputs ticked as given and the flaps.
  Wing wing;
  bool givenCL = false;
  bool detail = false;
  std::optional<SectionMaxLift> clmax;
  std::optional<ProjectPolars> polar;
  double rho = kSeaLevelAirDensity;
};

// The wing's numbers by the names the project file and the Python module's configuration mapping give them.
inline constexpr std::array<std::pair<const char*, double Wing::*>, 11> kWingNumbers{{
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

// The planform types by their names in the file.
inline constexpr const char* kEllipticName = "elliptic";
inline constexpr const char* kTrapezoidName = "trapezoid";

// The planform inputs by their names in the file's "inputs".
inline constexpr std::array<std::pair<const char*, bool PlanformInputs::*>, 4> kInputNames{{
    {"S", &PlanformInputs::S},
    {"AR", &PlanformInputs::AR},
    {"b", &PlanformInputs::b},
    {"cOrt", &PlanformInputs::cOrt},
}};

// Whether a path names a project file rather than a configuration file: it ends in ".kelvane".
inline bool NamesProjectFile(std::string_view path) { return path.ends_with(kProjectExtension); }

}  // namespace kelvane::project
