#include "batch/BatchSession.h"

#include <system_error>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "solver/SolveLiftingLine.h"

namespace kelvane::batch {
namespace {

// A click in the file panel on the configuration's name, with the panel showing its folder. Where the
// working directory's full path cannot be had (it was removed), the folder stays relative to it, and the
// form's own read then says what became of the file.
void ClickConfigFile(ui::Form_Wing& form, const std::string& config) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(config, error);
  if (error) path = std::filesystem::path(".") / config;
  form.File1.SetPath(path.parent_path().string());
  form.File1.Click(path.filename().string());
}

}  // namespace

BatchSession::BatchSession(const SessionSettings& settings, const std::string& config)
    : lock_(settings.outputFolder), givenCL_(settings.givenCL) {
  // From the all-zero record a fresh program starts with, so nothing an earlier session left in it can reach
  // this one's numbers.
  ResetModuleOrtak();
  form_.OutputFolder = settings.outputFolder;
  // Nobody is there to answer: the caller's request is the user's decision.
  form_.SetQuestionHook([](const std::string&) { return true; });

  form_.Form_Load();
  // The start-up wing's report would be replaced by the configuration's at once, or, when the configuration
  // is refused, wipe out an earlier run's.
  files_.Discard();
  if (Refused()) return;

  if (settings.stations) form_.Text_N.SetText(*settings.stations);
  form_.Check_Area.SetValue(settings.inputs.S);
  form_.Check_AR.SetValue(settings.inputs.AR);
  form_.Check_b.SetValue(settings.inputs.b);
  form_.Check_cOrt.SetValue(settings.inputs.cOrt);
  ClickConfigFile(form_, config);
  if (Refused()) {
    files_.Discard();
    return;
  }

  if (settings.givenCL) {
    form_.Option_CL.Click();
  } else {
    form_.Option_Alfa.Click();
  }
  if (settings.detail) form_.Check1.SetValue(1);
}

std::optional<SolvedWing> BatchSession::Solve(const std::optional<SectionMaxLift>& maxLift) {
  if (Refused()) return std::nullopt;
  form_.PLL.Click();
  if (Refused()) {
    files_.Discard();
    return std::nullopt;
  }

  SolvedWing solved{.point = SolvedPoint(), .spanwise = ReadSpanwiseResults(maxLift), .stall = std::nullopt};
  if (maxLift) {
    const StallSearch search = FindStallOnset(*maxLift);
    if (search.fault) {
      form_.MsgBox(SolveFaultMessage(*search.fault));
      files_.Discard();
      return std::nullopt;
    }
    solved.stall = search.onset;
  }
  if (!files_.Flush()) return std::nullopt;
  return solved;
}

bool BatchSession::Sweep(std::span<const double> values, const std::function<bool(const SweptPoint&)>& onPoint) {
  if (Refused()) return false;
  ui::TextBox& operatingPointBox = givenCL_ ? form_.Text_CL : form_.Text_AlfaK;
  bool solved = false;
  for (const double value : values) {
    operatingPointBox.SetText(PlainNumberText(value));
    form_.PLL.Click();
    if (Refused()) break;
    solved = true;
    if (!onPoint({.point = SolvedPoint(), .spanEfficiency = ReadSpanEfficiency()})) break;
  }
  if (!solved) {
    files_.Discard();
    return false;
  }
  const bool refused = Refused();  // the points before the refusal are written all the same
  return files_.Flush() && !refused;
}

OperatingPoint BatchSession::SolvedPoint() const {
  return {.AlfaK = ortak.AlfaK,
          .CL = ortak.CL,
          .CDi = ortak.CDi,
          .E = ortak.E,
          .AlfE = ortak.AlfE,
          .CDiE = form_.LastEllipticWing.CDiE,
          .EE = form_.LastEllipticWing.EE};
}

}  // namespace kelvane::batch
