// The results window's part of a project file: the clmax and density boxes, the section polars and the flaps.
#include <string>
#include <variant>
#include <vector>

#include "model/RoundTripNumber.h"
#include "project/ProjectPaths.h"
#include "ui/ResultsForm.h"
#include "ui/ResultsFormBoxes.h"

namespace kelvane::ui {

Outcome ResultsForm::TakeProject(project::Project& project, const std::filesystem::path& projectFolder) const {
  const MaxLiftBoxes clmax = ReadMaxLift(Text_clmaxK, Text_clmaxU);
  if (clmax.unreadable) return Outcome::Refused(kMaxLiftUnreadable);
  const auto rho = StrictNumber(Trimmed(Text_Rho.Text()));
  if (!rho || CheckAirDensity(*rho).IsRefused()) return Outcome::Refused(kAirDensityMessage);
  const std::string root = Trimmed(Text_PolarRoot.Text()), tip = Trimmed(Text_PolarTip.Text());
  project.clmax = clmax.maxLift;
  project.rho = *rho;
  // As the polars are loaded: an empty box takes the other's polar.
  if (!root.empty() || !tip.empty())
    project.polar = project::ProjectPolars{project::PolarForProject(root.empty() ? tip : root, projectFolder),
                                           project::PolarForProject(tip.empty() ? root : tip, projectFolder)};
  project.wing.flaps = flaps_;
  return Outcome::Done();
}

void ResultsForm::ShowProject(const project::Project& project, const std::filesystem::path& projectFolder) {
  const auto maxLift = project.clmax;
  Text_clmaxK.SetText(maxLift ? ShortestNumberText(maxLift->clmaxK) : "");
  Text_clmaxU.SetText(maxLift ? ShortestNumberText(maxLift->clmaxU) : "");
  Text_Rho.SetText(ShortestNumberText(project.rho));

  // The window's own flaps and polars go first, so that none stays on when the project's are refused.
  const auto showFlaps = [this](const std::vector<Flap>& flaps) {
    for (std::size_t k = 0; k < Text_Flaps.size(); ++k) {
      FlapBoxes& row = Text_Flaps[k];
      const bool filled = k < flaps.size();
      row.y1.SetText(filled ? ShortestNumberText(flaps[k].y1) : "");
      row.y2.SetText(filled ? ShortestNumberText(flaps[k].y2) : "");
      row.E.SetText(filled ? ShortestNumberText(flaps[k].E) : "");
      row.delta.SetText(filled ? ShortestNumberText(flaps[k].delta) : "");
    }
    Cmd_Flaps.Click();
  };
  showFlaps({});
  if (!project.wing.flaps.empty()) showFlaps(project.wing.flaps);

  projectXfoil_.clear();
  Cmd_PolarClear.Click();
  if (!project.polar) return;
  const project::ProjectPolars polars = project::PolarsFromProject(*project.polar, projectFolder);
  // A polar file goes into its box; an XFoil request waits its turn for XFoil, which then fills the box.
  const auto put = [this](const std::string& polar, TextBox& box, OptionButton& end) {
    const bool computed = xfoil::NamesXfoilPolar(polar);
    box.SetText(computed ? "" : polar);
    if (computed) projectXfoil_.emplace_back(polar, &end);
  };
  put(polars.root, Text_PolarRoot, Option_XfoilRoot);
  if (polars.tip == polars.root) {
    Text_PolarTip.SetText("");
  } else {
    put(polars.tip, Text_PolarTip, Option_XfoilTip);
  }
  if (!StartProjectXfoil()) Cmd_PolarLoad.Click();
}

bool ResultsForm::StartProjectXfoil() {
  if (projectXfoil_.empty()) return false;
  const auto [polar, end] = projectXfoil_.front();
  projectXfoil_.erase(projectXfoil_.begin());
  auto parsed = xfoil::ParsePolarRequest(polar);
  if (const Outcome* refused = std::get_if<Outcome>(&parsed)) {
    projectXfoil_.clear();
    MsgBox(refused->Message());
    return true;  // nothing to load: the user is told why
  }
  const xfoil::PolarRequest& request = std::get<xfoil::PolarRequest>(parsed);
  Text_XfoilSection.SetText(request.nacaCode.empty() ? request.coordinateFile.string() : request.nacaCode);
  Text_XfoilRe.SetText(request.reynoldsText);
  end->Click();
  Cmd_Xfoil.Click();
  return true;
}

}  // namespace kelvane::ui
