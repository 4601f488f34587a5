// The solve command and the two result plots.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Plots.h"
#include "model/Numbers.h"
#include "results/Quantities.h"
#include "solver/Report.h"
#include "solver/SolveInputs.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

constexpr const char* kNoPlanform = "Önce üst-görünüm hesabını yapınız";
constexpr const char* kNoMode = "Hesap için bir seçim yapınız";

constexpr int kDetailTicked = 1;  // the greyed check state 2 does not ask for details

constexpr std::string_view kTextBoxPrefix = "Text_";

// A result box shows its quantity, which the box is named after, rounded to the box's decimals.
void ShowRounded(TextBox& box, double value) {
  box.ShowNumber(RoundTo(value, BoxDecimals(std::string_view(box.Name()).substr(kTextBoxPrefix.size()))));
}

}  // namespace

void Form_Wing::PLL_Click() {
  if (!ortak.PlanformDone) {
    MsgBox(kNoPlanform);
    return;
  }
  std::optional<SolutionMode> chosen;
  if (Option_Alfa.Value()) {
    chosen = SolutionMode::GivenAngle;
  } else if (Option_CL.Value()) {
    chosen = SolutionMode::GivenCL;
  }
  const TextBox& operatingPoint = chosen == SolutionMode::GivenAngle ? Text_AlfaK : Text_CL;
  std::vector<const TextBox*> boxes{&Text_AszK, &Text_AszU, &Text_Alfa0K, &Text_Alfa0U, &Text_dAlfa};
  if (chosen) boxes.push_back(&operatingPoint);
  if (RefuseUnreadableNumbers(boxes)) return;
  if (!chosen) {
    MsgBox(kNoMode);
    return;
  }

  const SolutionMode mode = *chosen;
  const SolveInputs inputs{.AszK = Text_AszK.Text(),
                           .AszU = Text_AszU.Text(),
                           .Alfa0K = Text_Alfa0K.Text(),
                           .Alfa0U = Text_Alfa0U.Text(),
                           .dAlfa = Text_dAlfa.Text(),
                           .mode = mode,
                           .operatingPoint = operatingPoint.Text(),
                           .detail = Check1.Value() == kDetailTicked};
  // The solved root angle takes the place of the one on view; a refusal puts the old one back.
  const std::string givenAngleText = Text_AlfaK.Text();
  if (mode == SolutionMode::GivenCL) Text_AlfaK.SetText("");
  const auto solved = SolveFromInputs(ortak, systemCache_, inputs);
  if (!solved) {
    if (Text_AlfaK.Text() != givenAngleText) Text_AlfaK.SetText(givenAngleText);
    MsgBox(solved.Message());
    return;
  }

  ShowRounded(Text_CDiE, solved->elliptic.CDiE);
  ShowRounded(Text_AlfE, ortak.AlfE);
  ShowRounded(Text_EE, solved->elliptic.EE);

  Gama_Distr_Ciz(ortak.Gamma, ortak.GammaE);
  AlfaE_Distr_Ciz();

  Text_AlfaK.SetVisible(true);
  Label_deg1.SetVisible(true);
  Text_CL.SetVisible(true);
  ShowRounded(Text_AlfaK, ortak.AlfaK);
  ShowRounded(Text_CL, ortak.CL);
  ShowRounded(Text_CDi, ortak.CDi);
  ShowRounded(Text_E, ortak.E);

  RememberSolvedInputs();
  Form_Results.SolutionCompleted(ortak, mode, wingName_);

  AppendReport(solved->report);
  ConfigFileName = (OutputFolder / kLastConfigFileName).string();
  WriteExistingConfig_in_aFile();
}

bool Form_Wing::AppendReport(const std::string& blocks) { return !ShowIfRefused(AppendToReport(OutputFolder, blocks)); }

bool Form_Wing::StartReport(const std::string& start) {
  return !ShowIfRefused(kelvane::StartReport(OutputFolder, start));
}

void Form_Wing::Gama_Distr_Ciz(const StationTable& Gamma, const StationTable& GammaE) {
  kelvane::Gama_Distr_Ciz(ortak, Picture2.Surface(), Gamma, GammaE);
  Picture2.Refresh();
}

void Form_Wing::AlfaE_Distr_Ciz() {
  kelvane::AlfaE_Distr_Ciz(ortak, Picture3.Surface());
  Picture3.Refresh();
}

}  // namespace kelvane::ui
