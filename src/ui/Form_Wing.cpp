// The main window's start-up, its planform command and the reactions of the planform-type, panel-count and
// solution-mode inputs.
#include "ui/Form_Wing.h"

#include "graphics/Plots.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/UnreadableNumber.h"
#include "planform/Chords.h"
#include "results/WingSolver.h"
#include "solver/Report.h"

namespace kelvane::ui {
// A control and everything inside it, parents before children.
void Form_Wing::Register(Control& control) {
  controls_.push_back(&control);
  control.SetChangeHook(&changeHook_);
  for (Control* child : control.Children()) Register(*child);
}

void Form_Wing::Register(MenuItem& item) { menuItems_.push_back(&item); }

void Form_Wing::SetPanelRowVisible(int row, bool visible) {
  Control* const rowControls[] = {Label_ks[row], Text_ks[row], Label_kc[row], Text_kc[row]};
  for (Control* control : rowControls) control->SetVisible(visible);
}

// Messages may carry text from outside; however they were put together, none grows past the limit.
void Form_Wing::MsgBox(const std::string& text) {
  messages_.push_back(LimitMessage(text));
  if (messageHook_) messageHook_(messages_.back());
}

bool Form_Wing::AskYesNo(const std::string& text) {
  questions_.push_back(text);
  return questionHook_ ? questionHook_(text) : true;
}

bool Form_Wing::ShowIfRefused(const Outcome& step) {
  if (step.IsRefused()) MsgBox(step.Message());
  return step.IsRefused();
}

// The start values go into the model first, then their texts into the boxes.
void Form_Wing::Form_Load() {
  Frm_IO.SetVisible(false);
  PutStartValues(ortak);

  Text_Area.ShowNumber(ortak.S);
  Text_AR.ShowNumber(ortak.AR);
  Text_cOrt.ShowNumber(ortak.cOrt);
  Text_b.ShowNumber(ortak.b);

  Option_Eliptik.SetValue(true);
  Option_Trapez.SetValue(false);
  Frame_Trap.SetVisible(false);

  Text_nTrap.ShowNumber(ortak.nTrap);
  Text_ks[1]->ShowNumber(ortak.ks[1]);
  Text_kc[1]->ShowNumber(ortak.kc[1]);

  Text_dAlfa.ShowNumber(ortak.dAlfa);
  Text_AszK.ShowNumber(ortak.AszK);
  Text_Alfa0K.ShowNumber(ortak.Alfa0K);
  Text_AszU.ShowNumber(ortak.AszU);
  Text_Alfa0U.ShowNumber(ortak.Alfa0U);

  Text_CL.ShowNumber(ortak.CL);
  Text_AlfaK.ShowNumber(ortak.AlfaK);
  Text_Voo.ShowNumber(ortak.Voo);

  Planform();
}

void Form_Wing::Cmd_Planform_Click() { Planform(); }

// A solution belongs to the planform it was computed on: once the planform inputs change, the solve
// command waits for the planform command, which in turn takes the old results off the window.
void Form_Wing::PlanformInput_Change() {
  ortak.PlanformDone = false;
  SolvedInput_Change();
}

void Form_Wing::ClearResults() {
  for (TextBox* box : {&Text_CDi, &Text_E, &Text_AlfE, &Text_CDiE, &Text_EE}) box->SetText(box->DesignText());
  Picture2.Clear();
  Picture3.Clear();
  solvedInputs_.clear();
  Form_Results.SolutionRemoved();
}

bool Form_Wing::RefuseUnreadableNumbers(const std::vector<const TextBox*>& boxes) {
  for (const TextBox* box : boxes) {
    if (const auto message = UnreadableNumberMessage(box->Text())) {
      MsgBox(*message);
      return true;
    }
  }
  return false;
}

PlanformTexts Form_Wing::PlanformBoxTexts() const {
  PlanformTexts texts{.parameters = {{Check_Area.Value(), Text_Area.Text()},
                                     {Check_AR.Value(), Text_AR.Text()},
                                     {Check_b.Value(), Text_b.Text()},
                                     {Check_cOrt.Value(), Text_cOrt.Text()}},
                      .stations = Text_N.Text(),
                      .type = std::nullopt,
                      .panels = {Text_nTrap.Text(), {}, {}}};
  if (Option_Eliptik.Value()) {
    texts.type = PlanformType::Elliptic;
  } else if (Option_Trapez.Value()) {
    texts.type = PlanformType::Trapezoidal;
  }
  for (int row = 1; row <= kMaxPanels; ++row) {
    texts.panels.ks[row] = Text_ks[row]->Text();
    texts.panels.kc[row] = Text_kc[row]->Text();
  }
  return texts;
}

bool Form_Wing::Planform() {
  ortak.PlanformDone = false;
  ClearResults();
  const PlanformTexts texts = PlanformBoxTexts();
  const PlanformSteps steps = RunPlanformSteps(ortak, texts);
  if (steps.parametersResolved) {
    Text_b.ShowNumber(ortak.b);
    Text_cOrt.ShowNumber(ortak.cOrt);
    Text_AR.ShowNumber(ortak.AR);
    Text_Area.ShowNumber(ortak.S);
  }
  if (ShowIfRefused(steps.outcome)) return false;

  PlanCiz(ortak, Picture1.Surface(), *texts.type);
  Picture1.Refresh();

  // The flag promises the solve command a report to append to, so a report that failed leaves it false.
  if (!StartReport(PlanformSummaryBlock(ortak))) return false;
  ortak.PlanformDone = true;
  return true;
}

void Form_Wing::Option_Eliptik_Click() { Frame_Trap.SetVisible(false); }

void Form_Wing::Option_Trapez_Click() { Frame_Trap.SetVisible(true); }

// The count is kept even when rejected; the rows follow the last count in range.
void Form_Wing::Text_nTrap_Change() {
  PlanformInput_Change();
  ortak.nTrap = ReadNumber(Text_nTrap.Text());
  if (!PanelCountInRange(ortak.nTrap)) {
    MsgBox(kPanelCountMessage);
    return;
  }
  for (int row = 2; row <= kMaxPanels; ++row) SetPanelRowVisible(row, row <= ortak.nTrap);
}

void Form_Wing::Option_CL_Click() {
  Text_CL.SetVisible(true);
  Text_AlfaK.SetVisible(false);
  Label_deg1.SetVisible(false);
}

void Form_Wing::Option_Alfa_Click() {
  Text_AlfaK.SetVisible(true);
  Label_deg1.SetVisible(true);
  Text_CL.SetVisible(false);
}

// One About window for the whole run: created on first use, shown again afterwards.
void Form_Wing::Mn_About_Click() {
  Form_About.created = true;
  Form_About.visible = true;
  ++Form_About.showCount;
  if (aboutHook_) aboutHook_(Form_About);
}

void Form_Wing::Mn_Charts_Click() { Form_Results.Open(); }

}  // namespace kelvane::ui
