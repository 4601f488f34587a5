// The command line of kelvane-solve.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/BatchSession.h"
#include "results/SpanwiseResults.h"

namespace kelvane::cli {

inline constexpr const char* kUsage =
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
    "                        efficiency e, delta and every station's y, c, Gamma, cl, AlfaE, AlfaI, w\n"
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

enum class PlotKind { Planform, Circulation, Lift, Angles, Polar };

struct PlotRequest {
  PlotKind kind = PlotKind::Planform;
  std::string path;  // ends in .svg or .png
  bool operator==(const PlotRequest&) const = default;
};

struct Arguments {
  std::optional<std::string> stations;  // the text for the station box, unchecked: the form judges it
  batch::PlanformInputs inputs;
  bool givenCL = false;
  bool detail = false;
  bool json = false;
  std::optional<SectionMaxLift> clmax;
  std::optional<std::string> spanwise;  // the path of the station table
  std::optional<std::vector<double>> sweep;
  std::vector<PlotRequest> plots;
  std::chrono::milliseconds lockTimeout = batch::kDefaultLockTimeout;
  std::string config;
};

struct HelpRequest {};
struct VersionRequest {};
struct UsageError {
  std::string reason;
};

using ParsedCommandLine = std::variant<Arguments, HelpRequest, VersionRequest, UsageError>;

// The arguments after the program name.
ParsedCommandLine ParseArguments(std::span<const std::string_view> args);

}  // namespace kelvane::cli
