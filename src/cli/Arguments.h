// The command line of kelvane-solve.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/FolderLock.h"
#include "model/Flap.h"
#include "model/Outcome.h"
#include "model/Wing.h"
#include "results/SpanLoads.h"
#include "results/SpanwiseResults.h"

namespace kelvane::cli {

enum class PlotKind { Planform, Circulation, Lift, Angles, Polar };

struct PlotRequest {
  PlotKind kind = PlotKind::Planform;
  std::string path;  // ends in .svg or .png
  bool operator==(const PlotRequest&) const = default;
};

// The root's and the tip's section polars as the command line names them: a polar file, or "SECTION@RE"
// for the polar XFoil computes.
struct PolarArguments {
  std::string root;
  std::string tip;  // the root's with --polar
  bool operator==(const PolarArguments&) const = default;
};

struct Arguments {
  std::optional<std::string> stations;   // the text for the station box, unchecked: the planform judges it
  std::optional<PlanformInputs> inputs;  // nothing: the window's own, S and AR (or a project's)
  bool givenCL = false;
  bool detail = false;
  bool json = false;
  std::optional<SectionMaxLift> clmax;
  std::optional<std::string> spanwise;  // the path of the station table
  std::optional<std::vector<double>> sweep;
  std::vector<PlotRequest> plots;
  std::vector<std::string> compare;  // other wings' configuration files, drawn on the same charts
  std::chrono::milliseconds lockTimeout = batch::kDefaultLockTimeout;
  std::optional<PolarArguments> polars;  // nothing: the linear model
  bool findCLmax = false;
  bool refreshPolars = false;
  std::optional<double> rho;                // the air density when given
  double defaultRho = kSeaLevelAirDensity;  // the density without --rho: sea level's, or a project's
  std::vector<Flap> flaps;                  // checked on their own; whether they fit the wing is the planform's to say
  std::optional<std::string> loads;         // the path of the loads table
  std::string config;
  std::optional<Wing> wing;  // a project's wing, taken in place of reading config (cli/ProjectInput.h)

  PlanformInputs Inputs() const { return inputs.value_or(PlanformInputs{}); }
  double AirDensity() const { return rho.value_or(defaultRho); }
  // Whether the run reports loads: in the JSON object, in the --loads file or, with --rho, in the text.
  bool WantsLoads() const { return json || loads || rho; }
};

struct HelpRequest {};
struct VersionRequest {};
// A command line the tool cannot run: the refusal says what is wrong with it.
struct UsageError {
  Outcome refusal;
  const std::string& Reason() const { return refusal.Message(); }
};

using ParsedCommandLine = std::variant<Arguments, HelpRequest, VersionRequest, UsageError>;

// The arguments after the program name. The options that do not go together are refused here, unless the
// file is a project: its settings join the command line's first (cli/ProjectInput.h), then CombinationFault.
ParsedCommandLine ParseArguments(std::span<const std::string_view> args);

// The options that do not go together, and those that need another; nothing when none of them is met.
std::optional<UsageError> CombinationFault(const Arguments& parsed);

}  // namespace kelvane::cli
