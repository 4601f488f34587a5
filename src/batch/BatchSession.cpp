// The batch session: a wing solved through the engine, and the files the window would have written.
#include "batch/BatchSession.h"

#include <system_error>
#include <utility>

#include "config/ConfigFile.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/TextFile.h"
#include "solver/Report.h"

namespace kelvane::batch {
namespace {

constexpr const char* kLastConfigFileName = "LastConfig.cfg";

// The sweep's values reach the engine as the operating-point box would show them.
double AsTyped(double value) { return ReadNumber(PlainNumberText(value)); }

// Messages may carry text from outside (a file's name, a value); however they were put together, none
// grows past the window's limit.
Outcome Limited(const Outcome& refusal) { return Outcome::Refused(LimitMessage(refusal.Message())); }

}  // namespace

std::string PanelPath(const std::string& config) {
  // Where the working directory's full path cannot be had (it was removed), the folder stays relative to
  // it, and the read then says what became of the file.
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(config, error);
  if (error) path = std::filesystem::path(".") / config;
  const std::string folder = path.parent_path().string();
  const std::string name = path.filename().string();
  return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

BatchSession::BatchSession(const SessionSettings& settings, const std::string& config)
    : lock_(settings.outputFolder) {
  Start(settings, config::ReadConfigFile(PanelPath(config), Wing{}));
}

BatchSession::BatchSession(const SessionSettings& settings, Wing wing) : lock_(settings.outputFolder) {
  Start(settings, std::move(wing));
}

void BatchSession::Start(const SessionSettings& settings, const Expected<Wing>& read) {
  outputFolder_ = settings.outputFolder;
  mode_ = settings.givenCL ? SolutionMode::GivenCL : SolutionMode::GivenAngle;
  detail_ = settings.detail;
  if (!read) {
    refusal_ = Limited(read.Refusal());
    return;
  }
  Wing wing = *read;
  if (settings.stations) wing.stations = *settings.stations;
  wing.given = settings.inputs;
  auto planned = WingSolver::Plan(wing);
  if (!planned) {
    refusal_ = Limited(planned.Refusal());
    return;
  }
  solver_.emplace(std::move(*planned));
}

std::optional<SweptPoint> BatchSession::SolveAt(double value) {
  auto solved = solver_->Solve(mode_, value, detail_);
  if (!solved) {
    refusal_ = Limited(solved.Refusal());
    return std::nullopt;
  }
  report_ += solved->report;
  lastConfig_ = config::ConfigText(Record(), config::OptionsOf(solver_->GetWing().planform));
  return SweptPoint{.point = solved->point, .spanEfficiency = ReadSpanEfficiency(solver_->Record())};
}

std::optional<SolvedWing> BatchSession::Solve(const std::optional<SectionMaxLift>& maxLift) {
  if (Refused()) return std::nullopt;
  const Wing& wing = solver_->GetWing();
  const auto solved = SolveAt(mode_ == SolutionMode::GivenAngle ? wing.AlfaK : wing.CL);
  if (!solved) return std::nullopt;

  SolvedWing result{.point = solved->point, .spanwise = ReadSpanwiseResults(Record(), maxLift), .stall = {}};
  if (maxLift) {
    const auto onset = FindStallOnset(Record(), solver_->Cache(), *maxLift);
    if (!onset) {
      refusal_ = Limited(onset.Refusal());
      return std::nullopt;
    }
    result.stall = *onset;
  }
  if (!WriteFiles()) return std::nullopt;
  return result;
}

bool BatchSession::Sweep(std::span<const double> values, const std::function<bool(const SweptPoint&)>& onPoint) {
  if (Refused()) return false;
  bool solved = false;
  for (const double value : values) {
    const auto point = SolveAt(AsTyped(value));
    if (!point) break;
    solved = true;
    if (!onPoint(*point)) break;
  }
  if (!solved) return false;
  const bool refused = Refused();  // the points before the refusal are written all the same
  return WriteFiles() && !refused;
}

bool BatchSession::WriteFiles() {
  const Outcome report = StartReport(outputFolder_, solver_->PlanformReport() + report_);
  if (report.IsRefused()) {
    refusal_ = Limited(report);
    return false;
  }
  const std::string path = (outputFolder_ / kLastConfigFileName).string();
  if (const Outcome written = WriteFileReplacing(path, lastConfig_); written.IsRefused()) {
    refusal_ = Limited(Outcome::Refused(PathForMessage(path) + " dosyası yazılamadı: " + written.Message()));
    return false;
  }
  return true;
}

}  // namespace kelvane::batch
