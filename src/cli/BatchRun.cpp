// Running kelvane-solve: the command line, one batch session, and what it prints and writes.
#include "cli/BatchRun.h"

#include <optional>
#include <string>
#include <vector>

#include "batch/BatchSession.h"
#include "cli/ComparedWings.h"
#include "cli/PlotFiles.h"
#include "cli/PolarRun.h"
#include "cli/ProjectInput.h"
#include "cli/ResultText.h"
#include "cli/SolutionOutput.h"
#include "cli/UsageText.h"
#include "cli/WingInput.h"
#include "model/MessageText.h"
#include "model/Outcome.h"
#include "model/TextFile.h"
#include "model/Version.h"
#include "project/Project.h"

namespace kelvane::cli {
namespace {

// What is wrong with the command line, then the help text.
ExitStatus ShowUsageError(const UsageError& error, std::ostream& err) {
  err << LimitMessage(kProgramPrefix + error.Reason()) << "\n\n" << UsageText();
  return kUsageError;
}

// The session's refusal, on its own line.
ExitStatus ShowRefusal(const batch::BatchSession& session, std::ostream& err) { return Reject(session.Refusal(), err); }

// Results that never reached their reader are a failure, not a success: a full disk, /dev/full, a
// closed standard output.
ExitStatus Flushed(std::ostream& out, std::ostream& err, ExitStatus status) {
  if (out.flush()) return status;
  err << kProgramPrefix << "the results could not be written to standard output\n";
  return kRejected;
}

}  // namespace

ExitStatus Reject(const Outcome& refusal, std::ostream& err) {
  err << LimitMessage(refusal.Message()) << '\n';
  return kRejected;
}

ExitStatus WriteNamedFile(const std::string& path, const std::string& content, std::ostream& err) {
  const Outcome written = WriteFileReplacing(path, content);
  if (!written.IsRefused()) return kSuccess;
  const std::string file = PathForMessage(path);
  err << LimitMessage(std::string(kProgramPrefix) + "cannot write " + file + ": " + written.Message()) << '\n';
  return kRejected;
}

ExitStatus RunBatch(const Arguments& args, std::ostream& out, std::ostream& err) {
  const Expected<Wing> wing = ReadWing(args);
  if (!wing) return Reject(wing.Refusal(), err);
  // A project's flaps that do not fit are the wing's fault, refused when it is planned.
  if (const Outcome fit = args.flaps.empty() ? Outcome::Done() : CheckFlapsFit(*wing); fit.IsRefused()) {
    err << LimitMessage(kProgramPrefix + ("--flap: " + fit.Message())) << '\n';
    return kUsageError;
  }
  if (args.polars) return RunPolars(args, *wing, out, err);

  // The files go to the working directory, as the window writes them.
  batch::BatchSession session({.stations = args.stations,
                               .inputs = args.Inputs(),
                               .givenCL = args.givenCL,
                               .detail = args.detail,
                               .outputFolder = {},
                               .lockTimeout = args.lockTimeout,
                               .notify = [&err](const std::string& line) { err << line << '\n'; }},
                              *wing);
  if (session.Refused()) return ShowRefusal(session, err);
  // The other wings are solved before anything is printed or written: one refused stops the run.
  const Expected<std::vector<ComparedWing>> compared = SolveComparedWings(args, *wing);
  if (!compared) return Reject(compared.Refusal(), err);

  // Every output asked for comes first; "PLL.txt" and "LastConfig.cfg" are replaced only once they are out.
  ExitStatus status = kSuccess;
  if (!args.sweep) {
    const std::optional<batch::SolvedWing> solved = session.Solve(args.clmax);
    if (!solved) return ShowRefusal(session, err);
    status = ReportSolution(args, *solved, session, *compared, out, err);
  } else {
    out << PolarHeader();
    std::vector<PolarPoint> polar;
    const bool swept = session.Sweep(*args.sweep, [&](const batch::SweptPoint& solved) {
      out << PolarRow(solved.point, solved.spanEfficiency);
      if (!args.plots.empty())
        polar.push_back({.AlfaK = solved.point.AlfaK, .CL = solved.point.CL, .CDi = solved.point.CDi});
      return static_cast<bool>(out);  // no reader for the rest: stop
    });
    if (!swept) return ShowRefusal(session, err);
    // Draw no picture of a polar cut short, and keep the earlier files.
    if (!out) return Flushed(out, err, kSuccess);
    status = WritePolarPlots(args, session.Record(), polar, *compared, err);
  }
  if (status != kSuccess) return status;
  // Standard output is one of the outputs: results that never reached their reader keep the earlier files.
  if (!out.flush()) return Flushed(out, err, kSuccess);
  if (!session.WriteFiles()) return ShowRefusal(session, err);
  return kSuccess;
}

ExitStatus SolveMain(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseArguments(args);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    out << UsageText();
    return Flushed(out, err, kSuccess);
  }
  if (std::holds_alternative<VersionRequest>(parsed)) {
    out << "kelvane-solve " << kVersion << '\n';
    return Flushed(out, err, kSuccess);
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) return ShowUsageError(*error, err);
  Arguments run = std::get<Arguments>(parsed);
  if (project::NamesProjectFile(run.config)) {
    Expected<Arguments> joined = WithProject(std::move(run));
    if (!joined) return Reject(joined.Refusal(), err);
    if (const auto fault = CombinationFault(*joined)) return ShowUsageError(*fault, err);
    run = std::move(*joined);
  }
  const ExitStatus status = RunBatch(run, out, err);
  return status == kSuccess ? Flushed(out, err, status) : status;
}

}  // namespace kelvane::cli
