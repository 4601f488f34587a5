// The results window's section polars: the root and tip polar files or XFoil's polars, the lifting line
// with them on the solution on view, its solution at the root angle on view and its sweep through stall.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "model/Counts.h"
#include "polars/PolarFile.h"
#include "results/Quantities.h"
#include "solver/PolarSearch.h"
#include "ui/ResultsForm.h"
#include "ui/ResultsFormBoxes.h"

namespace kelvane::ui {
namespace {

constexpr const char* kPolarsPrompt =
    "Kök ve uç kesitlerinin polar dosyalarını seçip (ya da XFoil'e hesaplatıp) \"Polarları yükle\" düğmesine "
    "basınız; boş bir kutu ötekinin polarını alır.";
constexpr const char* kNoPolarFile = "Kök ya da uç kesitinin polar dosyasını giriniz.";
constexpr const char* kSectionPolarColumn = " (kesit polarlı)";
// The linear polar has the first quantities of a polar solution: the root angle, CL and CDi.
constexpr std::size_t kLinearPolarColumns = 3;
// Past the polar's last root angle the sweep with section polars goes on in these steps, to this far beyond
// the wing's CLmax angle: through stall. Degrees.
constexpr double kStallSweepStep = 0.5;
constexpr double kPastCLmax = 3;

// A polar's best row, "clmax = 1.6, α = 16°".
std::string MaxLiftText(const SectionPolar& polar) {
  const PolarRow best = polar.MaxLift();
  return "clmax = " + BoxText("CL", best.cl) + " (α = " + BoxText("AlfaK", best.alpha) + "°)";
}

// The request text of the XFoil boxes: a NACA code may come with or without "NACA" and blanks ("2412",
// "NACA 2412"); anything else is a coordinate file's name, taken as it is.
std::string XfoilArgument(const std::string& section, const std::string& reynolds) {
  std::string compact;
  for (const char c : section)
    if (c != ' ') compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string code = compact.starts_with("naca") ? compact.substr(4) : compact;
  const bool naca =
      !code.empty() && std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isdigit(c); });
  return (naca ? "naca" + code : section) + "@" + reynolds;
}

}  // namespace

bool ResultsForm::LoadPolars() {
  const std::string root = Trimmed(Text_PolarRoot.Text()), tip = Trimmed(Text_PolarTip.Text());
  if (root.empty() && tip.empty()) {
    MsgBox(kNoPolarFile);
    return false;
  }
  const std::string rootFile = root.empty() ? tip : root, tipFile = tip.empty() ? root : tip;
  std::optional<SectionPolar> rootPolar, tipPolar;
  Outcome read = ReadPolarFile(rootFile, rootPolar);
  if (!read.IsRefused() && tipFile != rootFile) read = ReadPolarFile(tipFile, tipPolar);
  if (read.IsRefused() || !rootPolar) {
    MsgBox(read.Message());
    return false;
  }
  polars_.emplace(WingPolars{*rootPolar, tipPolar ? *tipPolar : *rootPolar});
  return true;
}

void ResultsForm::PolarsChanged() {
  if (!record_ || stale_) return ShowPolarsNote();
  RebuildSolution();
  ShowViews();
}

void ResultsForm::Cmd_PolarLoad_Click() {
  if (LoadPolars()) PolarsChanged();
}

void ResultsForm::Cmd_PolarClear_Click() {
  Text_PolarRoot.SetText("");
  Text_PolarTip.SetText("");
  polars_.reset();
  PolarsChanged();
}

void ResultsForm::RebuildSectionPolars() {
  sectionLine_.reset();
  sectionSolution_.reset();
  sectionRefusal_.clear();
  if (polars_) {
    // The flaps turn the angles their stations look their polars up at, as they lower the zero-lift angles
    // of the linear solution.
    StationTable offsets{};
    if (Outcome flapped = FlapAngleOffsets(*record_, AppliedFlaps(), offsets); flapped.IsRefused()) {
      sectionRefusal_ = flapped.Message();
    } else {
      const int n = StationCount(*record_).value_or(0);
      sectionLine_.emplace(*record_, *polars_, std::vector<double>(offsets.begin() + 1, offsets.begin() + 1 + n));
      auto solved = sectionLine_->SolveAtAngle(record_->AlfaK);
      if (solved) {
        sectionSolution_ = std::move(*solved);
      } else {
        sectionRefusal_ = solved.Message();
      }
    }
  }
  ShowPolarsNote();
}

void ResultsForm::ShowPolarsNote() {
  if (!polars_) return Label_Polars.SetCaption(kPolarsPrompt);
  std::string note = "Kök " + MaxLiftText(polars_->root) + ", uç " + MaxLiftText(polars_->tip) + ".";
  if (record_ && !stale_) {
    note += " αkök = " + BoxText("AlfaK", record_->AlfaK) + "°: ";
    if (sectionSolution_) {
      note += "CL = " + BoxText("CL", sectionSolution_->CL) + ", CD = " + BoxText("CDi", sectionSolution_->CD) +
              ", L/D = " + BoxText("E", sectionSolution_->LD) + ".";
    } else {
      note += sectionRefusal_;
    }
  }
  Label_Polars.SetCaption(note);
}

std::string ResultsForm::SweepSectionPolars() {
  std::vector<double> angles;
  for (const PolarPoint& point : polar_) angles.push_back(point.AlfaK);
  std::string maxLiftNote;
  if (auto best = FindWingCLmax(*sectionLine_)) {
    sectionSweep_.CLmax = *best;
    maxLiftNote = charts::WingMaxLiftText(*best) + ".";
    const double last = angles.empty() ? best->AlfaK : angles.back();
    for (int k = 1; last + k * kStallSweepStep <= best->AlfaK + kPastCLmax && angles.size() < kMaxWindowPolarPoints;
         ++k)
      angles.push_back(last + k * kStallSweepStep);
  } else {
    maxLiftNote = "CLmax bulunamadı: " + best.Message();
  }

  sectionLine_->Forget();  // every angle reached from below, as the wing's angle grows
  int refused = 0;
  std::string firstRefusal;
  std::vector<PolarSolve> solves = SweepAngles(*sectionLine_, angles);
  for (std::size_t k = 0; k < solves.size(); ++k) {
    if (solves[k]) {
      sectionSweep_.points.push_back(std::move(*solves[k]));
    } else if (refused++ == 0) {
      firstRefusal = solves[k].Message();
    }
  }
  std::string note = "Kesit polarlarıyla " + std::to_string(sectionSweep_.points.size()) + " nokta";
  if (refused > 0) note += " (" + std::to_string(refused) + " nokta çözülemedi; ilki: " + firstRefusal + ")";
  return note + ". " + maxLiftNote;
}

// The polar's values against the root angle: the linear polar's, beside them those with section polars at
// the same angles and on through stall, then each pinned solution's polar; a cell stays empty where its
// column has no point.
std::string ResultsForm::PolarCsv() const {
  if (sweep_.empty()) return {};
  const auto byAngle = [](const auto& points, const auto member) {
    std::vector<charts::ChartPoint> column;
    for (const auto& point : points) column.push_back({point.AlfaK, point.*member});
    return column;
  };
  std::vector<charts::CsvColumn> columns;
  const std::array<double PolarPoint::*, 2> linear{&PolarPoint::CL, &PolarPoint::CDi};
  for (std::size_t k = 0; k < linear.size(); ++k)
    columns.push_back({ColumnTitle(kPolarQuantities[k + 1]), byAngle(polar_, linear[k])});
  if (sectionLine_)
    for (std::size_t k = 1; k < kPolarQuantities.size(); ++k)
      columns.push_back({ColumnTitle(kPolarQuantities[k]) + (k < kLinearPolarColumns ? kSectionPolarColumn : ""),
                         byAngle(sectionSweep_.points, kPolarQuantities[k].member)});
  for (const PinnedSolution& pin : pins_)
    if (!pin.polar.empty())
      for (std::size_t k = 0; k < linear.size(); ++k)
        columns.push_back(
            {ColumnTitle(kPolarQuantities[k + 1]) + " [" + pin.label + "]", byAngle(pin.polar, linear[k])});
  return charts::CsvPreamble(SourceOf(ResultsTab::Polar)) + charts::WideCsv(ColumnTitle(kPolarQuantities[0]), columns);
}

void ResultsForm::SetXfoilStarter(XfoilStarter starter) { xfoilStarter_ = std::move(starter); }

void ResultsForm::Cmd_Xfoil_Click() {
  if (xfoilRunning_) return;
  auto parsed =
      xfoil::ParsePolarRequest(XfoilArgument(Trimmed(Text_XfoilSection.Text()), Trimmed(Text_XfoilRe.Text())));
  if (const Outcome* refused = std::get_if<Outcome>(&parsed)) return MsgBox(refused->Message());
  xfoilRequest_ = std::get<xfoil::PolarRequest>(std::move(parsed));
  xfoilTarget_ = Option_XfoilTip.Value() ? &Text_PolarTip : &Text_PolarRoot;
  xfoilRunning_ = true;
  xfoilCancelled_ = false;
  Cmd_Xfoil.SetVisible(false);
  Cmd_XfoilCancel.SetVisible(true);
  XfoilProgress(0);
  if (xfoilStarter_) {
    xfoilStarter_(xfoilRequest_);
  } else {
    XfoilFinished(ComputeXfoilPolar(xfoilRequest_, {}));
  }
}

void ResultsForm::Cmd_XfoilCancel_Click() {
  if (!xfoilRunning_ || xfoilCancelled_) return;
  xfoilCancelled_ = true;
  Label_Xfoil.SetCaption("XFoil durduruluyor…");
  if (xfoilCancelHook_) xfoilCancelHook_();
}

void ResultsForm::XfoilProgress(int rows) {
  if (!xfoilRunning_ || xfoilCancelled_) return;
  Label_Xfoil.SetCaption("XFoil " + xfoil::SectionForMessage(xfoilRequest_) + " (Re " + xfoilRequest_.reynoldsText +
                         ") polarını hesaplıyor: " + std::to_string(rows) + " açıda yakınsadı…");
}

void ResultsForm::XfoilFinished(XfoilResult result) {
  if (!xfoilRunning_) return;
  xfoilRunning_ = false;
  Cmd_XfoilCancel.SetVisible(false);
  Cmd_Xfoil.SetVisible(true);
  if (const Outcome* refused = std::get_if<Outcome>(&result)) {
    projectXfoil_.clear();
    Label_Xfoil.SetCaption(refused->Message());
    if (!xfoilCancelled_) MsgBox(refused->Message());  // a cancelled run needs no message box
    return;
  }
  const xfoil::ComputedPolar& polar = std::get<xfoil::ComputedPolar>(result);
  Label_Xfoil.SetCaption(xfoil::SectionForMessage(xfoilRequest_) + " (Re " + xfoilRequest_.reynoldsText + "): " +
                         std::to_string(polar.rows) + " açılık polar" + (polar.fromCache ? ", önbellekten" : "") +
                         " → " + (xfoilTarget_ == &Text_PolarTip ? "uç" : "kök") + ".");
  xfoilTarget_->SetText(polar.file.string());
  if (!StartProjectXfoil()) Cmd_PolarLoad_Click();
}

}  // namespace kelvane::ui
