#include "cli/Arguments.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "cli/NumberArgument.h"
#include "cli/Sweep.h"
#include "model/MessageText.h"
#include "results/charts/ImageFormat.h"

namespace kelvane::cli {
namespace {

// The names --inputs takes, each with the tick it sets.
constexpr std::pair<std::string_view, bool batch::PlanformInputs::*> kInputNames[] = {
    {"S", &batch::PlanformInputs::S},
    {"AR", &batch::PlanformInputs::AR},
    {"b", &batch::PlanformInputs::b},
    {"cOrt", &batch::PlanformInputs::cOrt},
};

std::optional<batch::PlanformInputs> ParseInputs(std::string_view list) {
  batch::PlanformInputs inputs{.S = false, .AR = false};
  for (;;) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    const auto known = std::find_if(std::begin(kInputNames), std::end(kInputNames),
                                    [name](const auto& input) { return input.first == name; });
    if (known == std::end(kInputNames)) return std::nullopt;
    inputs.*known->second = true;
    if (comma == std::string_view::npos) return inputs;
    list.remove_prefix(comma + 1);
  }
}

// "ROOT" or "ROOT:TIP", both finite and positive.
std::optional<SectionMaxLift> ParseMaxLift(std::string_view text) {
  const std::size_t colon = text.find(':');
  const auto root = ParseFiniteNumber(text.substr(0, colon));
  const auto tip = colon == std::string_view::npos ? root : ParseFiniteNumber(text.substr(colon + 1));
  if (!root || !tip || !(*root > 0) || !(*tip > 0)) return std::nullopt;
  return SectionMaxLift{.clmaxK = *root, .clmaxU = *tip};
}

// A longer wait than any run takes; the bound also keeps the count of milliseconds far from overflowing.
constexpr int kLongestLockTimeoutSeconds = 24 * 60 * 60;
constexpr double kMillisecondsPerSecond = 1000;

// Seconds from 0 to a day, to the millisecond.
std::optional<std::chrono::milliseconds> ParseLockTimeout(std::string_view text) {
  const auto seconds = ParseFiniteNumber(text);
  if (!seconds || !(*seconds >= 0) || !(*seconds <= kLongestLockTimeoutSeconds)) return std::nullopt;
  return std::chrono::milliseconds(std::llround(*seconds * kMillisecondsPerSecond));
}

constexpr std::pair<std::string_view, PlotKind> kPlotKinds[] = {
    {"planform", PlotKind::Planform}, {"circulation", PlotKind::Circulation}, {"lift", PlotKind::Lift},
    {"angles", PlotKind::Angles},     {"polar", PlotKind::Polar},
};

// "KIND:FILE" with a known kind and a picture file name.
std::optional<PlotRequest> ParsePlot(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view path = text.substr(colon + 1);
  if (!charts::ImageFormatOf(path)) return std::nullopt;
  for (const auto& [name, kind] : kPlotKinds)
    if (text.substr(0, colon) == name) return PlotRequest{kind, std::string(path)};
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseArguments(std::span<const std::string_view> args) {
  Arguments parsed;
  bool haveConfig = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool takesValue = arg == "--stations" || arg == "--inputs" || arg == "--sweep" ||
                            arg == "--clmax" || arg == "--spanwise" || arg == "--plot" ||
                            arg == "--lock-timeout";
    if (takesValue && i + 1 == args.size()) return UsageError{std::string(arg) + " needs a value"};
    const std::string_view value = takesValue ? args[++i] : std::string_view();

    if (arg == "--help") {
      return HelpRequest{};
    } else if (arg == "--version") {
      return VersionRequest{};
    } else if (arg == "--stations") {
      parsed.stations = std::string(value);
    } else if (arg == "--inputs") {
      const auto inputs = ParseInputs(value);
      if (!inputs) return UsageError{"--inputs takes S, AR, b and cOrt separated by commas"};
      parsed.inputs = *inputs;
    } else if (arg == "--sweep") {
      std::string problem;
      parsed.sweep = ParseSweep(value, &problem);
      if (!parsed.sweep) return UsageError{problem + " (--sweep " + QuoteForMessage(value) + ")"};
    } else if (arg == "--clmax") {
      parsed.clmax = ParseMaxLift(value);
      if (!parsed.clmax) return UsageError{"--clmax takes ROOT or ROOT:TIP, both positive numbers"};
    } else if (arg == "--spanwise") {
      if (value.empty()) return UsageError{"--spanwise needs a file name"};
      parsed.spanwise = std::string(value);
    } else if (arg == "--plot") {
      const auto plot = ParsePlot(value);
      if (!plot)
        return UsageError{"--plot takes KIND:FILE, KIND one of planform, circulation, lift, angles and polar, "
                          "FILE ending in .svg or .png"};
      parsed.plots.push_back(*plot);
    } else if (arg == "--lock-timeout") {
      const auto timeout = ParseLockTimeout(value);
      if (!timeout) return UsageError{"--lock-timeout takes SECONDS, a number from 0 to " +
                                           std::to_string(kLongestLockTimeoutSeconds)};
      parsed.lockTimeout = *timeout;
    } else if (arg == "--given-cl") {
      parsed.givenCL = true;
    } else if (arg == "--detail") {
      parsed.detail = true;
    } else if (arg == "--json") {
      parsed.json = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return UsageError{"unknown option " + QuoteForMessage(arg)};
    } else if (arg.empty()) {
      return UsageError{"the configuration file name is empty"};
    } else if (haveConfig) {
      return UsageError{"only one configuration file"};
    } else {
      parsed.config = std::string(arg);
      haveConfig = true;
    }
  }
  if (!haveConfig) return UsageError{"no configuration file"};
  // A polar is many solutions and every other chart one: each goes with its own kind of run.
  for (const PlotRequest& plot : parsed.plots) {
    if (plot.kind == PlotKind::Polar && !parsed.sweep) return UsageError{"--plot polar:FILE needs --sweep"};
    if (plot.kind != PlotKind::Polar && parsed.sweep)
      return UsageError{"--sweep draws only the polar; the other charts describe one solution"};
  }
  if (parsed.sweep) {
    if (parsed.json) return UsageError{"--sweep prints CSV; it does not go with --json"};
    if (parsed.clmax || parsed.spanwise)
      return UsageError{"--clmax and --spanwise describe one solution; they do not go with --sweep"};
  }
  return parsed;
}

}  // namespace kelvane::cli
