// Writing a project file: one key a line, the wing's keys each on a line of their own.
#include <cmath>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "model/Numbers.h"
#include "model/RoundTripNumber.h"
#include "project/ProjectFile.h"

namespace kelvane::project {
namespace {

constexpr std::string_view kIndent = "  ";

// A text as a JSON string. A file name that is not UTF-8 cannot be in a UTF-8 file: its stray bytes become
// U+FFFD, and reading the project then reports the file missing.
std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// JSON readers take "-0" for the integer 0: a negative zero keeps its sign as "-0.0".
std::string Number(double value) { return value == 0 && std::signbit(value) ? "-0.0" : ShortestNumberText(value); }

std::string Truth(bool value) { return value ? "true" : "false"; }

// "[a, b]" of the numbers of one panel table, panels 1..count.
std::string PanelList(const TrapezoidTable& table, int count) {
  std::string list = "[";
  for (int row = 1; row <= count; ++row) list += (row > 1 ? ", " : "") + Number(table[row]);
  return list + "]";
}

std::string WingObject(const Wing& wing) {
  std::string lines;
  const auto member = [&lines](std::string_view key, const std::string& value) {
    lines += (lines.empty() ? "" : ",\n") + std::string(kIndent) + std::string(kIndent) + JsonString(std::string(key)) +
             ": " + value;
  };
  for (const auto& [name, field] : kWingNumbers) member(name, Number(wing.*field));
  const bool trapezoid = wing.planform == PlanformType::Trapezoidal;
  member("planform", JsonString(trapezoid ? kTrapezoidName : kEllipticName));
  if (trapezoid) {
    const int panels = static_cast<int>(wing.nTrap);
    member("ks", PanelList(wing.ks, panels));
    member("kc", PanelList(wing.kc, panels));
  }
  return "{\n" + lines + "\n" + std::string(kIndent) + "}";
}

std::string InputList(const PlanformInputs& inputs) {
  std::string list;
  for (const auto& [name, tick] : kInputNames)
    if (inputs.*tick) list += (list.empty() ? "" : ", ") + JsonString(name);
  return "[" + list + "]";
}

std::string MaxLiftValue(const std::optional<SectionMaxLift>& clmax) {
  if (!clmax) return "null";
  return "[" + Number(clmax->clmaxK) + ", " + Number(clmax->clmaxU) + "]";
}

std::string PolarValue(const std::optional<ProjectPolars>& polar) {
  if (!polar) return "null";
  if (polar->tip == polar->root) return JsonString(polar->root);
  return "[" + JsonString(polar->root) + ", " + JsonString(polar->tip) + "]";
}

std::string FlapList(const std::vector<Flap>& flaps) {
  std::string list;
  for (const Flap& flap : flaps)
    list += std::string(list.empty() ? "" : ", ") + "[" + Number(flap.y1) + ", " + Number(flap.y2) + ", " +
            Number(flap.E) + ", " + Number(flap.delta) + "]";
  return "[" + list + "]";
}

}  // namespace

std::string ProjectText(const Project& project) {
  const Wing& wing = project.wing;
  const std::pair<const char*, std::string> members[] = {
      {"kelvane", std::to_string(kProjectVersion)},
      {"wing", WingObject(wing)},
      {"stations", Number(ReadNumber(wing.stations))},
      {"inputs", InputList(wing.given)},
      {"given_cl", Truth(project.givenCL)},
      {"detail", Truth(project.detail)},
      {"clmax", MaxLiftValue(project.clmax)},
      {"polar", PolarValue(project.polar)},
      {"rho", Number(project.rho)},
      {"flaps", FlapList(wing.flaps)},
  };
  std::string text;
  for (const auto& [key, value] : members)
    text += (text.empty() ? "{\n" : ",\n") + std::string(kIndent) + JsonString(key) + ": " + value;
  return text + "\n}\n";
}

}  // namespace kelvane::project
