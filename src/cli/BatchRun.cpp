#include "cli/BatchRun.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "cli/FolderLock.h"
#include "cli/PlotFiles.h"
#include "cli/ResultText.h"
#include "cli/SolutionOutput.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/Outcome.h"
#include "model/TextFile.h"
#include "model/Version.h"
#include "results/SpanwiseResults.h"
#include "ui/Form_Wing.h"

namespace kelvane::cli {
namespace {

// A click in the file panel on the configuration's name, with the panel showing its folder. Fails only
// when the working directory itself is gone.
bool ClickConfigFile(ui::Form_Wing& form, const std::string& config, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(config, error);
  if (error) {
    err << LimitMessage(kProgramPrefix + PathForMessage(config) + ": " + error.message()) << '\n';
    return false;
  }
  form.File1.SetPath(path.parent_path().string());
  form.File1.Click(path.filename().string());
  return true;
}

// Results that never reached their reader are a failure, not a success: a full disk, /dev/full, a
// closed standard output.
ExitStatus Flushed(std::ostream& out, std::ostream& err, ExitStatus status) {
  if (out.flush()) return status;
  err << kProgramPrefix << "the results could not be written to standard output\n";
  return kRejected;
}

}  // namespace

ExitStatus WriteNamedFile(const std::string& path, const std::string& content, std::ostream& err) {
  const Outcome written = WriteFileReplacing(path, content);
  if (!written.IsRefused()) return kSuccess;
  const std::string file = PathForMessage(path);
  err << LimitMessage(std::string(kProgramPrefix) + "cannot write " + file + ": " + written.Message()) << '\n';
  return kRejected;
}

ExitStatus RunBatch(const Arguments& args, std::ostream& out, std::ostream& err) {
  const FolderLock lock;  // start-up already rewrites the report
  ui::Form_Wing form;
  bool rejected = false;
  form.SetMessageHook([&](const std::string& message) {
    err << message << '\n';
    rejected = true;
  });
  // Nobody is there to answer: the command line is the user's decision.
  form.SetQuestionHook([](const std::string&) { return true; });

  form.Form_Load();
  if (rejected) return kRejected;

  if (args.stations) form.Text_N.SetText(*args.stations);
  form.Check_Area.SetValue(args.inputs.S);
  form.Check_AR.SetValue(args.inputs.AR);
  form.Check_b.SetValue(args.inputs.b);
  form.Check_cOrt.SetValue(args.inputs.cOrt);
  if (!ClickConfigFile(form, args.config, err) || rejected) return kRejected;

  if (args.givenCL) {
    form.Option_CL.Click();
  } else {
    form.Option_Alfa.Click();
  }
  if (args.detail) form.Check1.SetValue(1);

  if (!args.sweep) {
    form.PLL.Click();
    if (rejected) return kRejected;
    return ReportSolution(args, form, out, err);
  }

  ui::TextBox& operatingPointBox = args.givenCL ? form.Text_CL : form.Text_AlfaK;
  out << PolarHeader();
  std::vector<PolarPoint> polar;
  for (const double value : *args.sweep) {
    operatingPointBox.SetText(PlainNumberText(value));
    form.PLL.Click();
    if (rejected) return kRejected;
    const OperatingPoint point = SolvedPoint(form);
    out << PolarRow(point, ReadSpanEfficiency());
    // No reader for the rest: stop, and draw no picture of a polar cut short.
    if (!out) return Flushed(out, err, kSuccess);
    if (!args.plots.empty()) polar.push_back({.AlfaK = point.AlfaK, .CL = point.CL, .CDi = point.CDi});
  }
  return WritePolarPlots(args, polar, err);
}

ExitStatus SolveMain(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseArguments(args);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    out << kUsage;
    return Flushed(out, err, kSuccess);
  }
  if (std::holds_alternative<VersionRequest>(parsed)) {
    out << "kelvane-solve " << kVersion << '\n';
    return Flushed(out, err, kSuccess);
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    err << LimitMessage(kProgramPrefix + error->reason) << "\n\n" << kUsage;
    return kUsageError;
  }
  const ExitStatus status = RunBatch(std::get<Arguments>(parsed), out, err);
  return status == kSuccess ? Flushed(out, err, status) : status;
}

}  // namespace kelvane::cli
