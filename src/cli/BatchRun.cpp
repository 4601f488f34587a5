#include "cli/BatchRun.h"

#include <filesystem>
#include <string>

#include "cli/PlotFiles.h"
#include "cli/ResultText.h"
#include "cli/SolutionOutput.h"
#include "model/Numbers.h"
#include "model/Version.h"
#include "results/SpanwiseResults.h"
#include "ui/Form_Wing.h"

namespace kelvane::cli {
namespace {

// A click in the file panel on the configuration's name, with the panel showing its folder.
void ClickConfigFile(ui::Form_Wing& form, const std::string& config) {
  const std::filesystem::path path = std::filesystem::absolute(config);
  form.File1.SetPath(path.parent_path().string());
  form.File1.Click(path.filename().string());
}

}  // namespace

ExitStatus RunBatch(const Arguments& args, std::ostream& out, std::ostream& err) {
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
  ClickConfigFile(form, args.config);
  if (rejected) return kRejected;

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
    if (!args.plots.empty()) polar.push_back({.AlfaK = point.AlfaK, .CL = point.CL, .CDi = point.CDi});
  }
  return WritePolarPlots(args, polar, err);
}

ExitStatus SolveMain(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseArguments(args);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    out << kUsage;
    return kSuccess;
  }
  if (std::holds_alternative<VersionRequest>(parsed)) {
    out << "kelvane-solve " << kVersion << '\n';
    return kSuccess;
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    err << "kelvane-solve: " << error->reason << "\n\n" << kUsage;
    return kUsageError;
  }
  return RunBatch(std::get<Arguments>(parsed), out, err);
}

}  // namespace kelvane::cli
