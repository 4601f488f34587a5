// Parsing kelvane-solve's command line into its arguments, or the usage error that stops it.
#include "cli/Arguments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <utility>

#include "cli/NumberArgument.h"
#include "cli/Sweep.h"
#include "model/MessageText.h"
#include "project/Project.h"
#include "results/charts/ChartStyle.h"
#include "results/charts/ImageFormat.h"
#include "solver/Flaps.h"

namespace kelvane::cli {
namespace {

UsageError Usage(std::string reason) { return UsageError{Outcome::Refused(std::move(reason))}; }

// The names --inputs takes, each with the tick it sets.
constexpr std::pair<std::string_view, bool PlanformInputs::*> kInputNames[] = {
    {"S", &PlanformInputs::S},
    {"AR", &PlanformInputs::AR},
    {"b", &PlanformInputs::b},
    {"cOrt", &PlanformInputs::cOrt},
};

std::optional<PlanformInputs> ParseInputs(std::string_view list) {
  PlanformInputs inputs{.S = false, .AR = false};
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
    {"planform", PlotKind::Planform}, {"circulation", PlotKind::Circulation},
    {"lift", PlotKind::Lift},         {"angles", PlotKind::Angles},
    {"polar", PlotKind::Polar},
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

// "Y1:Y2:E:DELTA", four finite numbers; CheckFlapValues judges them.
constexpr std::size_t kFlapValues = 4;
std::optional<Flap> ParseFlap(std::string_view text) {
  std::array<double, kFlapValues> values{};
  for (std::size_t k = 0; k < kFlapValues; ++k) {
    const bool last = k + 1 == kFlapValues;
    const std::size_t colon = text.find(':');
    if (last != (colon == std::string_view::npos)) return std::nullopt;
    const auto value = ParseFiniteNumber(text.substr(0, colon));
    if (!value) return std::nullopt;
    values[k] = *value;
    text.remove_prefix(last ? text.size() : colon + 1);
  }
  return Flap{.y1 = values[0], .y2 = values[1], .E = values[2], .delta = values[3]};
}

// The section polars from --polar, or from --polar-root and --polar-tip together.
std::variant<std::optional<PolarArguments>, UsageError> PolarsOf(const std::optional<std::string_view>& both,
                                                                 const std::optional<std::string_view>& root,
                                                                 const std::optional<std::string_view>& tip) {
  if (both && (root || tip))
    return Usage("--polar gives both sections' polar; it does not go with --polar-root or --polar-tip");
  if (both) return PolarArguments{std::string(*both), std::string(*both)};
  if (root.has_value() != tip.has_value()) return Usage("--polar-root and --polar-tip go together");
  if (root) return PolarArguments{std::string(*root), std::string(*tip)};
  return std::optional<PolarArguments>();
}

}  // namespace

std::optional<UsageError> CombinationFault(const Arguments& parsed) {
  if (!parsed.compare.empty() && parsed.plots.empty())
    return Usage("--compare draws other wings on the charts of --plot; it needs --plot KIND:FILE");
  // A polar is many solutions and every other chart one: each goes with its own kind of run.
  for (const PlotRequest& plot : parsed.plots) {
    if (plot.kind == PlotKind::Polar && !parsed.sweep) return Usage("--plot polar:FILE needs --sweep");
    if (plot.kind != PlotKind::Polar && parsed.sweep)
      return Usage("--sweep draws only the polar; the other charts describe one solution");
  }
  if (parsed.sweep) {
    if (parsed.json) return Usage("--sweep prints CSV; it does not go with --json");
    if (parsed.clmax || parsed.spanwise || parsed.findCLmax || parsed.rho || parsed.loads)
      return Usage(
          "--clmax, --spanwise, --find-clmax, --rho and --loads describe one solution; they do not go "
          "with --sweep");
  }
  if (parsed.polars) {
    if (parsed.clmax)
      return Usage("with section polars the stall comes from the polars: use --find-clmax, not --clmax");
    if (parsed.detail || !parsed.plots.empty())
      return Usage("--detail and --plot belong to the linear model; they do not go with section polars");
  } else if (parsed.findCLmax || parsed.refreshPolars) {
    return Usage("--find-clmax and --refresh-polars need section polars (--polar, or --polar-root and --polar-tip)");
  }
  return std::nullopt;
}

ParsedCommandLine ParseArguments(std::span<const std::string_view> args) {
  Arguments parsed;
  bool haveConfig = false;
  std::optional<std::string_view> polar, polarRoot, polarTip;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool takesValue = arg == "--stations" || arg == "--inputs" || arg == "--sweep" || arg == "--clmax" ||
                            arg == "--spanwise" || arg == "--plot" || arg == "--lock-timeout" || arg == "--polar" ||
                            arg == "--polar-root" || arg == "--polar-tip" || arg == "--rho" || arg == "--flap" ||
                            arg == "--loads" || arg == "--compare";
    if (takesValue && i + 1 == args.size()) return Usage(std::string(arg) + " needs a value");
    const std::string_view value = takesValue ? args[++i] : std::string_view();

    if (arg == "--help") {
      return HelpRequest{};
    } else if (arg == "--version") {
      return VersionRequest{};
    } else if (arg == "--stations") {
      parsed.stations = std::string(value);
    } else if (arg == "--inputs") {
      const auto inputs = ParseInputs(value);
      if (!inputs) return Usage("--inputs takes S, AR, b and cOrt separated by commas");
      parsed.inputs = *inputs;
    } else if (arg == "--sweep") {
      auto sweep = ParseSweep(value);
      if (!sweep) return Usage(sweep.Message() + " (--sweep " + QuoteForMessage(value) + ")");
      parsed.sweep = std::move(*sweep);
    } else if (arg == "--clmax") {
      parsed.clmax = ParseMaxLift(value);
      if (!parsed.clmax) return Usage("--clmax takes ROOT or ROOT:TIP, both positive numbers");
    } else if (arg == "--spanwise") {
      if (value.empty()) return Usage("--spanwise needs a file name");
      parsed.spanwise = std::string(value);
    } else if (arg == "--plot") {
      const auto plot = ParsePlot(value);
      if (!plot)
        return Usage(
            "--plot takes KIND:FILE, KIND one of planform, circulation, lift, angles and polar, "
            "FILE ending in .svg or .png");
      parsed.plots.push_back(*plot);
    } else if (arg == "--lock-timeout") {
      const auto timeout = ParseLockTimeout(value);
      if (!timeout)
        return Usage("--lock-timeout takes SECONDS, a number from 0 to " + std::to_string(kLongestLockTimeoutSeconds));
      parsed.lockTimeout = *timeout;
    } else if (arg == "--polar" || arg == "--polar-root" || arg == "--polar-tip") {
      if (value.empty()) return Usage(std::string(arg) + " needs a polar file or SECTION@RE");
      (arg == "--polar" ? polar : arg == "--polar-root" ? polarRoot : polarTip) = value;
    } else if (arg == "--rho") {
      parsed.rho = ParseFiniteNumber(value);
      if (!parsed.rho || CheckAirDensity(*parsed.rho).IsRefused())
        return Usage("--rho takes RHO, the air density in kg/m³: a positive number");
    } else if (arg == "--flap") {
      const auto flap = ParseFlap(value);
      if (!flap) return Usage("--flap takes Y1:Y2:E:DELTA, four numbers (--flap " + QuoteForMessage(value) + ")");
      parsed.flaps.push_back(*flap);
    } else if (arg == "--loads") {
      if (value.empty()) return Usage("--loads needs a file name");
      parsed.loads = std::string(value);
    } else if (arg == "--compare") {
      if (value.empty()) return Usage("--compare needs a configuration file");
      if (parsed.compare.size() == charts::kMaxOverlays)
        return Usage("--compare takes at most " + std::to_string(charts::kMaxOverlays) + " other wings");
      parsed.compare.emplace_back(value);
    } else if (arg == "--find-clmax") {
      parsed.findCLmax = true;
    } else if (arg == "--refresh-polars") {
      parsed.refreshPolars = true;
    } else if (arg == "--given-cl") {
      parsed.givenCL = true;
    } else if (arg == "--detail") {
      parsed.detail = true;
    } else if (arg == "--json") {
      parsed.json = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return Usage("unknown option " + QuoteForMessage(arg));
    } else if (arg.empty()) {
      return Usage("the configuration file name is empty");
    } else if (haveConfig) {
      return Usage("only one configuration file");
    } else {
      parsed.config = std::string(arg);
      haveConfig = true;
    }
  }
  if (!haveConfig) return Usage("no configuration file");
  auto polars = PolarsOf(polar, polarRoot, polarTip);
  if (auto* error = std::get_if<UsageError>(&polars)) return std::move(*error);
  parsed.polars = std::get<std::optional<PolarArguments>>(std::move(polars));
  if (const Outcome flaps = CheckFlapValues(parsed.flaps); flaps.IsRefused())
    return Usage("--flap: " + flaps.Message());
  if (project::NamesProjectFile(parsed.config)) return parsed;
  if (auto fault = CombinationFault(parsed)) return std::move(*fault);
  return parsed;
}

}  // namespace kelvane::cli
