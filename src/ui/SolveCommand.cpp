// The solve command and the two result plots.
#include <cmath>
#include <string>
#include <vector>

#include "graphics/Plots.h"
#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "solver/Report.h"
#include "solver/SolveLiftingLine.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

constexpr const char* kNoPlanform = "Önce üst-görünüm hesabını yapınız";
constexpr const char* kNoMode = "Hesap için bir seçim yapınız";

constexpr int kDetailTicked = 1;      // the greyed check state 2 does not ask for details
constexpr double kFewStations = 10;   // below this the station tables are always reported
constexpr int kAngleDecimals = 3;     // AlfaK, AlfE
constexpr int kRatioDecimals = 3;     // E, EE
constexpr int kCLDecimals = 5;
constexpr int kCDiDecimals = 6;
constexpr int kCDiEDecimals = 5;

void ShowRounded(TextBox& box, double value, int decimals) {
  box.ShowNumber(RoundTo(value, decimals));
}

// A box value that is not finite would only spread through every stage, so it is refused as it is read.
bool ReadFinite(const TextBox& box, double& variable) {
  const double value = ReadNumber(box.Text());
  if (!std::isfinite(value)) return false;
  variable = value;
  return true;
}

struct Solution {
  std::string report;  // every block of this solution, appended to the report in one write
  EllipticWingResult elliptic;
};

// Reads the inputs and runs every stage into solution, collecting the report blocks between them; nothing on
// view changes here, so a refusal leaves the window as the last solution left it.
Outcome Solve(Form_Wing& form, Solution& solution) {
  const Outcome notFinite = Outcome::Refused(kNotFiniteMessage);
  if (!ReadFinite(form.Text_AszK, ortak.AszK) || !ReadFinite(form.Text_AszU, ortak.AszU) ||
      !ReadFinite(form.Text_Alfa0K, ortak.Alfa0K) || !ReadFinite(form.Text_Alfa0U, ortak.Alfa0U) ||
      !ReadFinite(form.Text_dAlfa, ortak.dAlfa))
    return notFinite;

  SolutionMode mode;
  if (form.Option_Alfa.Value()) {
    mode = SolutionMode::GivenAngle;
    if (!ReadFinite(form.Text_AlfaK, ortak.AlfaK)) return notFinite;
  } else if (form.Option_CL.Value()) {
    mode = SolutionMode::GivenCL;
    if (!ReadFinite(form.Text_CL, ortak.CL)) return notFinite;
    form.Text_AlfaK.SetText("");
  } else {
    return Outcome::Refused(kNoMode);
  }

  const bool detailed = form.Check1.Value() == kDetailTicked;
  const bool stationTables = detailed || ortak.N < kFewStations;
  const SolveOutcome solved = SolveLiftingLine(mode, [&](SolveStage stage) {
    switch (stage) {
      case SolveStage::MuTable:
        if (stationTables) solution.report += StationBlock();
        break;
      case SolveStage::BuildSystem:
        if (detailed) solution.report += MatrixBlock();  // the system as built: Gauss reduces it in place
        break;
      case SolveStage::UnpackSolution:
        if (detailed) solution.report += FourierBlock();
        break;
      case SolveStage::Distributions:
        if (stationTables) solution.report += DistributionBlock();
        break;
      default:
        break;
    }
  });
  if (!solved) return Outcome::Refused(SolveFaultMessage(*solved.fault));
  solution.elliptic = solved.elliptic;
  solution.report += PerformanceBlock();
  return Outcome::Done();
}

}  // namespace

void Form_Wing::PLL_Click() {
  if (!ortak.PlanformDone) {
    MsgBox(kNoPlanform);
    return;
  }
  std::vector<const TextBox*> boxes{&Text_AszK, &Text_AszU, &Text_Alfa0K, &Text_Alfa0U, &Text_dAlfa};
  if (Option_Alfa.Value()) {
    boxes.push_back(&Text_AlfaK);
  } else if (Option_CL.Value()) {
    boxes.push_back(&Text_CL);
  }
  if (RefuseUnreadableNumbers(boxes)) return;

  const std::string givenAngleText = Text_AlfaK.Text();
  Solution solution;
  if (const Outcome solved = Solve(*this, solution); solved.IsRefused()) {
    if (Text_AlfaK.Text() != givenAngleText) Text_AlfaK.SetText(givenAngleText);
    MsgBox(solved.Message());
    return;
  }

  LastEllipticWing = solution.elliptic;
  ShowRounded(Text_CDiE, solution.elliptic.CDiE, kCDiEDecimals);
  ShowRounded(Text_AlfE, ortak.AlfE, kAngleDecimals);
  ShowRounded(Text_EE, solution.elliptic.EE, kRatioDecimals);

  Gama_Distr_Ciz(ortak.Gamma, ortak.GammaE);
  AlfaE_Distr_Ciz();

  Text_AlfaK.SetVisible(true);
  Label_deg1.SetVisible(true);
  Text_CL.SetVisible(true);
  ShowRounded(Text_AlfaK, ortak.AlfaK, kAngleDecimals);
  ShowRounded(Text_CL, ortak.CL, kCLDecimals);
  ShowRounded(Text_CDi, ortak.CDi, kCDiDecimals);
  ShowRounded(Text_E, ortak.E, kRatioDecimals);

  Form_Results.SolutionCompleted(Option_Alfa.Value() ? SolutionMode::GivenAngle : SolutionMode::GivenCL);

  WriteSolutionReport(solution.report);
  WriteLastConfig();
}

void Form_Wing::WriteSolutionReport(const std::string& blocks) {
  if (deferredWrites_) {
    deferredWrites_->HoldReport(blocks);
  } else {
    AppendReportNow(blocks);
  }
}

bool Form_Wing::AppendReportNow(const std::string& blocks) { return !ShowIfRefused(AppendToReport(OutputFolder, blocks)); }

bool Form_Wing::StartReportNow(const std::string& start) { return !ShowIfRefused(StartReport(OutputFolder, start)); }

void Form_Wing::Gama_Distr_Ciz(const StationTable& Gamma, const StationTable& GammaE) {
  kelvane::Gama_Distr_Ciz(Picture2.Surface(), Gamma, GammaE);
  Picture2.Refresh();
}

void Form_Wing::AlfaE_Distr_Ciz() {
  kelvane::AlfaE_Distr_Ciz(Picture3.Surface());
  Picture3.Refresh();
}

}  // namespace kelvane::ui
