// Parsing kelvane-solve's command line into its arguments, or the usage error that stops it.
#include "cli/Arguments.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "cli/NumberArgument.h"
#include "cli/Sweep.h"
#include "model/MessageText.h"
#include "results/Quantities.h"
#include "results/charts/ImageFormat.h"

namespace kelvane::cli {
namespace {

UsageError Usage(std::string reason) { return UsageError{Outcome::Refused(std::move(reason))}; }

constexpr const char* kUsageHead =
    "Usage: kelvane-solve [--stations N] [--inputs LIST] [--given-cl] [--detail] [--json]\n"
    "                     [--clmax ROOT[:TIP]] [--spanwise FILE.csv] [--sweep FROM:TO:STEP]\n"
    "                     [--plot KIND:FILE]... [--lock-timeout SECONDS] CONFIG.cfg\n"
    "\n"
    "Reads the wing configuration CONFIG.cfg, solves it with Prandtl's lifting-line model and prints\n"
    "the results; PLL.txt and LastConfig.cfg are written in the working directory.\n"
    "\n"
    "  --stations N          the station count text (default: the window's own, 15)\n"
    "  --inputs LIST         the planform parameters taken as given, from S, AR, b, cOrt,\n"
    "                        separated by commas (default: S,AR)\n"
    "  --given-cl            solve for the root angle that gives the configuration's CL\n"
    "  --detail              write the detailed tables to PLL.txt\n"
    "  --json                print the results as one JSON object at full precision, with the span\n"
    "                        efficiency e, delta and every station's ";
constexpr const char* kUsageTail =
    "\n"
    "  --clmax ROOT[:TIP]    the maximum lift coefficients of the root and tip sections (TIP defaults\n"
    "                        to ROOT): adds each station's clmax and the stall onset, the root angle\n"
    "                        and CL at which the first station reaches its clmax, and where\n"
    "  --spanwise FILE.csv   write the station table to FILE.csv at full precision\n"
    "  --sweep FROM:TO:STEP  solve for each root angle (or CL with --given-cl) from FROM to TO\n"
    "                        and print a CSV polar, with the span efficiency e last (not with\n"
    "                        --json, --clmax or --spanwise)\n"
    "  --plot KIND:FILE      draw a chart into FILE, which ends in .svg or .png, at 800 x 500 pixels;\n"
    "                        KIND is planform, circulation, lift (with clmax and the stall onset\n"
    "                        under --clmax), angles, or polar (with --sweep, the only kind there:\n"
    "                        CL against the root angle and against CDi); repeatable, no display needed\n"
    "  --lock-timeout SECONDS\n"
    "                        how long to wait while another kelvane-solve run writes in the same\n"
    "                        folder, then give up (default: 60)\n"
    "  --version             print the program's version\n"
    "  --help                print this text\n"
    "\n"
    "Exit status: 0 solved, 1 the program rejected the input or a file or the standard output could\n"
    "not be written (the message is on stderr), 2 bad command line.\n";

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

std::string UsageText() {
  std::string names;
  for (const auto& quantity : kStationQuantities) names += (names.empty() ? "" : ", ") + std::string(quantity.name);
  return kUsageHead + names + kUsageTail;
}

ParsedCommandLine ParseArguments(std::span<const std::string_view> args) {
  Arguments parsed;
  bool haveConfig = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool takesValue = arg == "--stations" || arg == "--inputs" || arg == "--sweep" ||
                            arg == "--clmax" || arg == "--spanwise" || arg == "--plot" ||
                            arg == "--lock-timeout";
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
        return Usage("--plot takes KIND:FILE, KIND one of planform, circulation, lift, angles and polar, "
                          "FILE ending in .svg or .png");
      parsed.plots.push_back(*plot);
    } else if (arg == "--lock-timeout") {
      const auto timeout = ParseLockTimeout(value);
      if (!timeout)
        return Usage("--lock-timeout takes SECONDS, a number from 0 to " + std::to_string(kLongestLockTimeoutSeconds));
      parsed.lockTimeout = *timeout;
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
  // A polar is many solutions and every other chart one: each goes with its own kind of run.
  for (const PlotRequest& plot : parsed.plots) {
    if (plot.kind == PlotKind::Polar && !parsed.sweep) return Usage("--plot polar:FILE needs --sweep");
    if (plot.kind != PlotKind::Polar && parsed.sweep)
      return Usage("--sweep draws only the polar; the other charts describe one solution");
  }
  if (parsed.sweep) {
    if (parsed.json) return Usage("--sweep prints CSV; it does not go with --json");
    if (parsed.clmax || parsed.spanwise)
      return Usage("--clmax and --spanwise describe one solution; they do not go with --sweep");
  }
  return parsed;
}

}  // namespace kelvane::cli
