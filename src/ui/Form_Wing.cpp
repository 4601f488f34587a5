// The main window's start-up, its planform command and the reactions of the planform-type, panel-count and
// solution-mode inputs.
#include "ui/Form_Wing.h"

#include <cmath>
#include <utility>

#include "graphics/Plots.h"
#include "model/MessageText.h"
#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "planform/Chords.h"
#include "planform/PlanPar.h"
#include "planform/yDist.h"
#include "solver/Report.h"
#include "ui/NumberBoxes.h"

namespace kelvane::ui {
namespace {

constexpr char kChoosePlanformType[] = "Üst görünüm şeklini seçiniz";

constexpr double kStartArea = 10;
constexpr double kStartAspectRatio = 10;
constexpr double kStartMeanChord = 1;
constexpr double kStartSpan = 10;
constexpr double kStartRootAngle = 10;
constexpr double kStartSpeed = 1;
constexpr int kTicked = 1;  // the greyed state 2 does not count

}  // namespace

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

void Form_Wing::WriteHeldFiles() {
  if (deferredWrites_) deferredWrites_->Flush();
}

bool Form_Wing::ShowIfRefused(const Outcome& step) {
  if (step.IsRefused()) MsgBox(step.Message());
  return step.IsRefused();
}

// Where a value is shown, it goes into the model first, then its text into the box.
void Form_Wing::Form_Load() {
  Frm_IO.SetVisible(false);

  ortak.Pi = 4 * std::atan(1.0);
  ortak.PiHalf = ortak.Pi / 2;
  ortak.DegToRad = ortak.Pi / 180;

  ortak.S = kStartArea;
  Text_Area.ShowNumber(ortak.S);
  ortak.AR = kStartAspectRatio;
  Text_AR.ShowNumber(ortak.AR);
  ortak.cOrt = kStartMeanChord;
  Text_cOrt.ShowNumber(ortak.cOrt);
  ortak.b = kStartSpan;
  Text_b.ShowNumber(ortak.b);

  Option_Eliptik.SetValue(true);
  Option_Trapez.SetValue(false);
  Frame_Trap.SetVisible(false);

  ortak.nTrap = 1;
  Text_nTrap.ShowNumber(ortak.nTrap);

  ortak.ks[1] = 1;
  Text_ks[1]->ShowNumber(ortak.ks[1]);
  ortak.kc[1] = 1;
  Text_kc[1]->ShowNumber(ortak.kc[1]);

  ortak.dAlfa = 0;
  Text_dAlfa.ShowNumber(ortak.dAlfa);

  ortak.AszK = 2 * ortak.Pi;
  Text_AszK.ShowNumber(ortak.AszK);
  ortak.Alfa0K = 0;
  Text_Alfa0K.ShowNumber(ortak.Alfa0K);
  ortak.AszU = 2 * ortak.Pi;
  Text_AszU.ShowNumber(ortak.AszU);
  ortak.Alfa0U = 0;
  Text_Alfa0U.ShowNumber(ortak.Alfa0U);

  ortak.CL = 0;
  Text_CL.ShowNumber(ortak.CL);
  ortak.AlfaK = kStartRootAngle;
  Text_AlfaK.ShowNumber(ortak.AlfaK);

  ortak.Voo = kStartSpeed;
  Text_Voo.ShowNumber(ortak.Voo);

  Planform();
}

void Form_Wing::Cmd_Planform_Click() { Planform(); }

// A solution belongs to the planform it was computed on: once the planform inputs change, the solve
// command waits for the planform command, which in turn takes the old results off the window.
void Form_Wing::PlanformInput_Change() { ortak.PlanformDone = false; }

void Form_Wing::ClearResults() {
  for (TextBox* box : {&Text_CDi, &Text_E, &Text_AlfE, &Text_CDiE, &Text_EE}) box->SetText(box->DesignText());
  Picture2.Clear();
  Picture3.Clear();
  LastEllipticWing = {};
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

// The ticked parameters, the station count and, for the trapezoidal type, the panel rows in use.
std::vector<const TextBox*> Form_Wing::PlanformNumberBoxes() const {
  std::vector<const TextBox*> boxes;
  for (const auto& [tick, box] : {std::pair{&Check_Area, &Text_Area}, std::pair{&Check_AR, &Text_AR},
                                  std::pair{&Check_b, &Text_b}, std::pair{&Check_cOrt, &Text_cOrt}}) {
    if (tick->Value() == kTicked) boxes.push_back(box);
  }
  boxes.push_back(&Text_N);
  if (!Option_Eliptik.Value() && Option_Trapez.Value()) {
    boxes.push_back(&Text_nTrap);
    const double panels = ReadNumber(Text_nTrap.Text());
    for (int row = 1; row <= kMaxPanels && row <= panels; ++row) {
      boxes.push_back(Text_ks[row]);
      boxes.push_back(Text_kc[row]);
    }
  }
  return boxes;
}

bool Form_Wing::Planform() {
  ortak.PlanformDone = false;
  ClearResults();
  if (RefuseUnreadableNumbers(PlanformNumberBoxes())) return false;

  if (ShowIfRefused(PlanPar({{Check_Area.Value(), Text_Area.Text()},
                             {Check_AR.Value(), Text_AR.Text()},
                             {Check_b.Value(), Text_b.Text()},
                             {Check_cOrt.Value(), Text_cOrt.Text()}})))
    return false;
  Text_b.ShowNumber(ortak.b);
  Text_cOrt.ShowNumber(ortak.cOrt);
  Text_AR.ShowNumber(ortak.AR);
  Text_Area.ShowNumber(ortak.S);

  if (ShowIfRefused(yDist(Text_N.Text()))) return false;

  PlanformType type;
  if (Option_Eliptik.Value()) {
    type = PlanformType::Elliptic;
    Planform_Eliptik(ortak.c);
  } else if (Option_Trapez.Value()) {
    type = PlanformType::Trapezoidal;
    TrapezInput panels{Text_nTrap.Text(), {}, {}};
    for (int row = 1; row <= kMaxPanels; ++row) {
      panels.ks[row] = Text_ks[row]->Text();
      panels.kc[row] = Text_kc[row]->Text();
    }
    if (ShowIfRefused(Planform_Trapez(panels))) return false;
  } else {
    MsgBox(kChoosePlanformType);
    return false;
  }

  PlanCiz(Picture1.Surface(), type);
  Picture1.Refresh();

  // The flag promises the solve command a report to append to, so a report that failed leaves it false.
  if (deferredWrites_) {
    deferredWrites_->HoldNewReport(PlanformSummaryBlock());
  } else if (!StartReportNow(PlanformSummaryBlock())) {
    return false;
  }
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
