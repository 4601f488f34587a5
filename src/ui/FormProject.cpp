// The window's project files: a whole design, the main window's boxes with the results window's settings.
#include <optional>
#include <string>
#include <vector>

#include "planform/Chords.h"
#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"
#include "results/charts/ChartSource.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {

void Form_Wing::Mn_OpenProject_Click() {
  if (!pathHook_) return;
  if (const auto path = pathHook_(PathRequest::OpenProject)) OpenProject(*path);
}

void Form_Wing::Mn_SaveProject_Click() {
  if (!pathHook_) return;
  if (const auto path = pathHook_(PathRequest::SaveProject)) SaveProject(*path);
}

bool Form_Wing::OpenProject(const std::string& path) {
  const auto read = project::ReadProjectFile(path);
  if (!read) {
    MsgBox(read.Message());
    return false;
  }
  SetWingName(charts::WingNameOf(path));
  const Wing& wing = read->wing;
  config::ForEachConfigValue(
      wing, [this](config::ConfigItem item, int row, double value) { ShowConfigValue(item, row, value); });
  Check_Area.SetValue(wing.given.S ? kTicked : 0);
  Check_AR.SetValue(wing.given.AR ? kTicked : 0);
  Check_b.SetValue(wing.given.b ? kTicked : 0);
  Check_cOrt.SetValue(wing.given.cOrt ? kTicked : 0);
  Text_N.SetText(wing.stations);
  (read->givenCL ? Option_CL : Option_Alfa).Click();
  Check1.SetValue(read->detail ? kTicked : 0);
  const bool planned = Planform();
  Form_Results.ShowProject(*read, project::ProjectFolder(path));
  return planned;
}

bool Form_Wing::SaveProject(const std::string& path) {
  project::Project project;
  project.wing = BoxWing();
  const Wing& wing = project.wing;
  if (!wing.planform) {
    MsgBox(kChoosePlanformType);
    return false;
  }
  std::vector<const TextBox*> boxes{&Text_Area, &Text_AR,     &Text_b,    &Text_cOrt,   &Text_N,  &Text_dAlfa,
                                    &Text_AszK, &Text_Alfa0K, &Text_AszU, &Text_Alfa0U, &Text_CL, &Text_AlfaK};
  if (wing.planform == PlanformType::Trapezoidal) {
    // A project holds whole panels only: the trapezoid's rows.
    const std::optional<int> panels = WholePanelCount(wing.nTrap);
    if (!panels) {
      MsgBox(kPanelCountMessage);
      return false;
    }
    for (int row = 1; row <= *panels; ++row) boxes.insert(boxes.end(), {Text_ks[row], Text_kc[row]});
  }
  if (RefuseUnreadableNumbers(boxes)) return false;
  project.givenCL = Option_CL.Value();
  project.detail = Check1.Value() == kTicked;
  if (ShowIfRefused(Form_Results.TakeProject(project, project::ProjectFolder(path)))) return false;
  return ReplaceFile(path, project::ProjectText(project));
}

}  // namespace kelvane::ui
