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
    : lock_(settings.outputFolder, {settings.lockTimeout, settings.notify}) {
  Start(settings, config::ReadConfigFile(PanelPath(config), Wing{}));
}

BatchSession::BatchSession(const SessionSettings& settings, Wing wing)
    : lock_(settings.outputFolder, {settings.lockTimeout, settings.notify}) {
  Start(settings, std::move(wing));
}

void BatchSession::Start(const SessionSettings& settings, const Expected<Wing>& read) {
  outputFolder_ = settings.outputFolder;
  mode_ = settings.givenCL ? SolutionMode::GivenCL : SolutionMode::GivenAngle;
  detail_ = settings.detail;
  notify_ = settings.notify;
  if (const Outcome held = lock_.Held(); held.IsRefused()) return Refuse(held);
  if (!read) return Refuse(read.Refusal());
  Wing wing = *read;
  if (settings.stations) wing.stations = *settings.stations;
  wing.given = settings.inputs;
  auto planned = WingSolver::Plan(wing);
  if (!planned) return Refuse(planned.Refusal());
  solver_.emplace(std::move(*planned));
}

void BatchSession::Refuse(const Outcome& refusal) { refusal_ = Limited(refusal); }

bool BatchSession::Report(const std::string& blocks) {
  Outcome written;
  if (!report_) {
    report_.emplace();
    written = report_->Open((outputFolder_ / kReportFileName).string());
    if (!written.IsRefused()) written = report_->Write(solver_->PlanformReport());
  }
  if (!written.IsRefused()) written = report_->Write(blocks);
  if (!written.IsRefused()) return true;
  report_.reset();
  Refuse(ReportRefusal(written));
  return false;
}

std::optional<SweptPoint> BatchSession::SolveAt(double value) {
  auto solved = solver_->Solve(mode_, value, detail_);
  if (!solved) {
    Refuse(solved.Refusal());
    return std::nullopt;
  }
  if (!Report(solved->report)) return std::nullopt;
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
      Refuse(onset.Refusal());
      return std::nullopt;
    }
    result.stall = *onset;
  }
  return result;
}

bool BatchSession::Sweep(std::span<const double> values, const std::function<bool(const SweptPoint&)>& onPoint) {
  if (Refused()) return false;
  for (std::size_t k = 0; k < values.size(); ++k) {
    const auto point = SolveAt(AsTyped(values[k]));
    if (!point) return false;
    if (k == 0) WarnOfALargeReport(values.size());
    if (!onPoint(*point)) break;
  }
  return true;
}

// Every point's blocks are about as long as the first one's.
void BatchSession::WarnOfALargeReport(std::size_t points) {
  const std::uintmax_t bytes = report_->Size() * points;
  if (bytes <= kLargeReportBytes || !notify_) return;
  constexpr std::uintmax_t kMegabyte = 1024 * 1024;
  notify_("this sweep's " + std::string(kReportFileName) + " will take about " + std::to_string(bytes / kMegabyte) +
          " MiB");
}

bool BatchSession::WriteFiles() {
  if (Refused() || !report_) return false;
  if (const Outcome committed = report_->Commit(); committed.IsRefused()) {
    Refuse(ReportRefusal(committed));
    return false;
  }
  report_.reset();
  const std::string path = (outputFolder_ / kLastConfigFileName).string();
  if (const Outcome written = WriteFileReplacing(path, lastConfig_); written.IsRefused()) {
    Refuse(Outcome::Refused(PathForMessage(path) + " dosyası yazılamadı: " + written.Message()));
    return false;
  }
  return true;
}

}  // namespace kelvane::batch
