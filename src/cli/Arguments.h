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
#include "model/Outcome.h"
#include "model/Wing.h"
#include "results/SpanwiseResults.h"

namespace kelvane::cli {

// The help text; the station values --json gives are named from the table of result quantities.
std::string UsageText();

enum class PlotKind { Planform, Circulation, Lift, Angles, Polar };

struct PlotRequest {
  PlotKind kind = PlotKind::Planform;
  std::string path;  // ends in .svg or .png
  bool operator==(const PlotRequest&) const = default;
};

struct Arguments {
  std::optional<std::string> stations;  // the text for the station box, unchecked: the planform judges it
  PlanformInputs inputs;
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
// A command line the tool cannot run: the refusal says what is wrong with it.
struct UsageError {
  Outcome refusal;
  const std::string& Reason() const { return refusal.Message(); }
};

using ParsedCommandLine = std::variant<Arguments, HelpRequest, VersionRequest, UsageError>;

// The arguments after the program name.
ParsedCommandLine ParseArguments(std::span<const std::string_view> args);

}  // namespace kelvane::cli
