// A batch run on the engine, as kelvane-solve and the Python module make it: a wing from a configuration
// file (or given as values), solved at its operating point or at each point of a sweep, with the files the
// window would leave after the same presses: "PLL.txt" (the planform summary and every solution's blocks)
// and "LastConfig.cfg" (the last solution's configuration), in the output folder.
//
// The report goes to a temporary file in the output folder as the solutions come, and the two files take
// their places only when the caller says the run ended well (WriteFiles): a refusal, a kill or a failed write
// leaves an earlier run's files as they were. The output folder is locked for the session's life.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "batch/FolderLock.h"
#include "model/Outcome.h"
#include "model/TextFile.h"
#include "model/Wing.h"
#include "results/OperatingPoint.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"
#include "results/WingSolver.h"

namespace kelvane::batch {

// What the user sets in the window besides the configuration file.
struct SessionSettings {
  std::optional<std::string> stations;  // the text for the station box, unchecked: the planform judges it
  PlanformInputs inputs;
  bool givenCL = false;
  bool detail = false;
  std::filesystem::path outputFolder;  // for "PLL.txt" and "LastConfig.cfg"; empty for the working directory
  std::chrono::milliseconds lockTimeout = kDefaultLockTimeout;
  // Hears what the user should know while the run goes on: a wait for the folder's lock, a huge report.
  std::function<void(const std::string&)> notify;
};

// A sweep whose report would pass this many bytes says so before it starts.
inline constexpr std::uintmax_t kLargeReportBytes = 100ull * 1024 * 1024;

struct SolvedWing {
  OperatingPoint point;
  SpanwiseResults spanwise;
  std::optional<StallOnset> stall;  // with the sections' maximum lift, when some station's lift grows
};

struct SweptPoint {
  OperatingPoint point;
  std::optional<SpanEfficiency> spanEfficiency;  // nothing at zero lift
};

class BatchSession {
 public:
  // Reads the configuration file as the window's file panel would, and runs the planform command.
  BatchSession(const SessionSettings& settings, const std::string& config);
  // The same for a wing given as values; the settings' stations and inputs take the place of its own.
  BatchSession(const SessionSettings& settings, Wing wing);

  // Why the session ended: the first refusal; nothing is solved after it.
  const Outcome& Refusal() const { return refusal_; }
  bool Refused() const { return refusal_.IsRefused(); }

  // The wing at its configuration's operating point; with maxLift, the stall onset is searched as well.
  // Nothing when refused.
  std::optional<SolvedWing> Solve(const std::optional<SectionMaxLift>& maxLift = std::nullopt);

  // The wing at each value, the root angle (or CL in the given-CL mode); onPoint hears every solved point
  // and answers whether to go on. Stops at the first refusal, false then. A failed write of the report is a
  // refusal too.
  bool Sweep(std::span<const double> values, const std::function<bool(const SweptPoint&)>& onPoint);

  // Puts "PLL.txt", then "LastConfig.cfg", in place, once the caller has everything else it was asked for;
  // only after at least one solution and no refusal, once, at the end of the session's work. False, with the refusal,
  // when a write fails: a report that cannot be written takes the configuration with it.
  bool WriteFiles();

  // The record as the last solution left it, and the wing solved; only once the planform went through.
  const Module_ortak& Record() const { return solver_->Record(); }
  const Wing& GetWing() const { return solver_->GetWing(); }

 private:
  void Start(const SessionSettings& settings, const Expected<Wing>& wing);
  std::optional<SweptPoint> SolveAt(double value);
  void Refuse(const Outcome& refusal);
  void WarnOfALargeReport(std::size_t points);
  // The report's next blocks, into its temporary file (opened with the planform summary at the first).
  bool Report(const std::string& blocks);

  FolderLock lock_;
  std::filesystem::path outputFolder_;
  SolutionMode mode_ = SolutionMode::GivenAngle;
  bool detail_ = false;
  std::function<void(const std::string&)> notify_;
  std::optional<WingSolver> solver_;
  std::optional<ReplacingFile> report_;  // "PLL.txt" on its way, from the first solution on
  std::string lastConfig_;               // the configuration of the last solution
  Outcome refusal_;
};

// The path the window's file panel puts into messages for a configuration file it reads: the file's folder
// made absolute, then its name.
std::string PanelPath(const std::string& config);

}  // namespace kelvane::batch
