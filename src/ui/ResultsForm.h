// The results window, toolkit neutral: which solution it shows, its charts and station table, the clmax
// boxes of the local lift tab, the polar's boxes and button, the loads' air density, the section polars'
// group, the flap table and the solutions pinned to compare with the one on view. A front end shows it and
// forwards the user's actions to its controls, as for the main window; XFoil alone runs away from the
// window's thread, started and reported by the front end.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "model/Flap.h"
#include "model/Module_ortak.h"
#include "polars/SectionPolar.h"
#include "polars/xfoil/PolarRequest.h"
#include "project/Project.h"
#include "results/Polar.h"
#include "results/SpanLoads.h"
#include "results/SpanwiseResults.h"
#include "results/charts/Chart.h"
#include "results/charts/ChartSource.h"
#include "results/charts/PolarCharts.h"
#include "solver/Flaps.h"
#include "solver/LiftingLine.h"
#include "solver/PolarLiftingLine.h"
#include "solver/SystemCache.h"
#include "ui/Controls.h"
#include "ui/ResultsFormXfoil.h"

namespace kelvane::ui {

inline constexpr const char* kResultsCaption = "Kelvane - Sonuçlar";

enum class ResultsTab { Circulation, LocalLift, Angles, Polar, Loads, Table };
inline constexpr std::array<ResultsTab, 6> kResultsTabs{ResultsTab::Circulation, ResultsTab::LocalLift,
                                                        ResultsTab::Angles,      ResultsTab::Polar,
                                                        ResultsTab::Loads,       ResultsTab::Table};
const char* ResultsTabCaption(ResultsTab tab);

// What the flap table's note says while no flap is applied.
inline constexpr const char* kNoFlapsNote =
    "Flap yok: tabloya y1, y2, E ve δ girip \"Flapları uygula\" düğmesine basınız.";

// A polar this long keeps the window waiting for seconds; the batch tool takes longer ones.
inline constexpr std::size_t kMaxWindowPolarPoints = 1000;

// The significant digits of a number in the station table as the window shows it.
inline constexpr int kTableDigits = 6;
// A table cell as the window shows it: a number to kTableDigits significant digits, any other text with a
// line for each part of a solution's wording, so that the table keeps its width.
std::string TableCellText(const std::string& cell);

// Starts XFoil for the request; the front end reports back with XfoilProgress and XfoilFinished.
using XfoilStarter = std::function<void(const xfoil::PolarRequest&)>;

// The boxes of one row of the flap table.
struct FlapBoxes {
  FlapBoxes(Frame& table, int row);  // rows from 1
  TextBox y1, y2, E, delta;
};

class ResultsForm {
 public:
  ResultsForm();
  ResultsForm(const ResultsForm&) = delete;
  ResultsForm& operator=(const ResultsForm&) = delete;

  // --- Front-end wiring -------------------------------------------------------------------------------
  void SetChangeHook(ChangeHook hook) { changeHook_ = std::move(hook); }
  // Called when the charts or the table were replaced.
  void SetViewHook(std::function<void()> hook) { viewHook_ = std::move(hook); }
  // Called when the window is to be shown and raised.
  void SetOpenHook(std::function<void()> hook) { openHook_ = std::move(hook); }
  void SetMessageHook(std::function<void(const std::string&)> hook) { messageHook_ = std::move(hook); }
  // Without a starter of the front end's, XFoil runs at once, on this thread (ResultsFormXfoil.h).
  void SetXfoilStarter(XfoilStarter starter);
  // Asks the front end to stop the run it started.
  void SetXfoilCancelHook(std::function<void()> hook) { xfoilCancelHook_ = std::move(hook); }
  const std::vector<Control*>& AllControls() const { return controls_; }

  // --- What the main window tells it ------------------------------------------------------------------
  // A solution completed in the given mode on the wing of that name: the window takes a copy of its record
  // and follows it.
  void SolutionCompleted(const Module_ortak& record, SolutionMode mode, const std::string& wingName);
  // The solution on view was taken off the main window.
  void SolutionRemoved();
  // The names of the main window's inputs that the solution on view read and that have changed since; none
  // when they hold what it read again. Until the next solution, the window says its results are the last's.
  void InputsChanged(const std::vector<std::string>& names);
  // The menu item: the window is created the first time, then shown and raised.
  void Open();
  // What the front end reports of the XFoil run it started: the rows of the polar so far, and its end.
  void XfoilProgress(int rows);
  void XfoilFinished(XfoilResult result);

  // --- What it shows ----------------------------------------------------------------------------------
  bool Created() const { return created_; }
  int OpenCount() const { return openCount_; }
  // Counts the solutions the window was given; 0 before the first. The one on view is the latest.
  int SolutionNumber() const { return solutionNumber_; }
  bool HasSolution() const { return record_ != nullptr; }
  // The mode of the solution on view, which the polar sweeps in.
  SolutionMode Mode() const { return mode_; }

  bool XfoilRunning() const { return xfoilRunning_; }
  // The section polars loaded, and the flaps applied to the solution on view.
  const std::optional<WingPolars>& Polars() const { return polars_; }
  const std::vector<Flap>& Flaps() const { return flaps_; }
  // The solution with section polars at the root angle of the solution on view, when it has one.
  const std::optional<PolarSolution>& SectionPolarSolution() const { return sectionSolution_; }

  // The charts of a tab: one each, two for the polar (three with section polars), one more for the local
  // lift with section polars, three for the loads; none for the table or without a solution. Each is
  // subtitled with the wing and its operating point (the polar's with its range), and carries the pinned
  // solutions' own series (ResultsFormPins.cpp).
  const std::vector<charts::Chart>& Charts(ResultsTab tab) const;
  // A tab's export as CSV after "# " lines naming the wing, the operating point and the program's version:
  // a chart tab's series, or the loads', as a wide table against y; the polar's values against the root
  // angle; the station table.
  std::string Csv(ResultsTab tab) const;

  // The station table, every number at full precision. With pinned solutions a column group follows the
  // stations' columns: "Çözüm", CL, CDi, e, and CD and L/D when any of them has section polars, one row a
  // solution, the one on view first, then the pinned ones in their order; cells without a value are empty.
  // Copies and CSV take the cells as they are; the window shows them with TableCellText.
  const std::vector<std::string>& TableHeader() const { return shownTableHeader_; }
  const std::vector<std::vector<std::string>>& TableRows() const { return shownTableRows_; }
  // The given rows and columns of the table, in their order, under the header of those columns:
  // tab-separated, one line each, as a spreadsheet takes them from the clipboard.
  std::string TableText(std::span<const int> rows, std::span<const int> columns) const;

  // --- Controls ---------------------------------------------------------------------------------------
  Label Label_NoSolution;
  Label Label_Summary;        // the wing's main values at a glance (ResultsFormSummary.cpp)
  Label Label_InputsChanged;  // which inputs changed since the solution on view
  Label Label_clmaxK, Label_clmaxU;
  TextBox Text_clmaxK, Text_clmaxU;
  Label Label_Stall;          // the stall onset, or why there is none
  Label Label_PolarVariable;  // what the sweep runs over
  Label Label_PolarFrom, Label_PolarTo, Label_PolarStep;
  TextBox Text_PolarFrom, Text_PolarTo, Text_PolarStep;
  CommandButton Cmd_Polar;
  Label Label_Polar;  // how many points, or where the sweep stopped
  // The loads tab.
  Label Label_Rho;
  TextBox Text_Rho;
  Label Label_Loads;  // the wing's forces and root loads, or why there are none
  // The section polars: a polar file each for the root and the tip (the tip's empty: the root's), or
  // XFoil's polar of a NACA section or a coordinate file at a Reynolds number, put into either box.
  Frame Frame_Polars;
  Label Label_PolarRoot, Label_PolarTip;
  TextBox Text_PolarRoot, Text_PolarTip;
  CommandButton Cmd_PolarLoad, Cmd_PolarClear;
  Label Label_Polars;  // which polars, and the solution with them at the root angle on view
  Label Label_XfoilSection, Label_XfoilRe;
  TextBox Text_XfoilSection, Text_XfoilRe;
  OptionButton Option_XfoilRoot, Option_XfoilTip;
  CommandButton Cmd_Xfoil, Cmd_XfoilCancel;
  Label Label_Xfoil;  // XFoil's progress, or what it gave
  // The flap table: a row a flap, empty rows left out.
  Frame Frame_Flaps;
  Label Label_FlapY1, Label_FlapY2, Label_FlapE, Label_FlapDelta;
  std::array<FlapBoxes, kMaxFlaps> Text_Flaps;
  CommandButton Cmd_Flaps;
  Label Label_Flaps;  // what the flaps changed, or why they were not applied
  // Pinning: the solution on view stays on every chart, in a style of its own, until the pins are cleared.
  Frame Frame_Pins;
  CommandButton Cmd_Pin, Cmd_ClearPins;
  Label Label_Pins;  // how many are pinned

  // --- Reactions --------------------------------------------------------------------------------------
  void Text_clmax_Change();
  void Cmd_Polar_Click();
  void Text_Rho_Change();
  void Cmd_PolarLoad_Click();
  void Cmd_PolarClear_Click();
  void Cmd_Xfoil_Click();
  void Cmd_XfoilCancel_Click();
  void Cmd_Flaps_Click();
  void Cmd_Pin_Click();
  void Cmd_ClearPins_Click();

  // --- Projects (ResultsFormProject.cpp) --------------------------------------------------------------
  // Puts the window's part of a project into it, polars named as a project in projectFolder names them;
  // refused, with the message for the user, when a box cannot be read.
  Outcome TakeProject(project::Project& project, const std::filesystem::path& projectFolder) const;
  // Shows a project's part as a user would put it in: the boxes filled, the polars loaded (XFoil's computed
  // first) and the flaps applied.
  void ShowProject(const project::Project& project, const std::filesystem::path& projectFolder);

 private:
  // A solution's main values, as the table's column group gives them.
  struct SolutionValues {
    double CL = 0;
    double CDi = 0;
    std::optional<double> e;       // nothing at zero lift
    std::optional<double> CD, LD;  // with section polars
  };
  // What a pinned solution keeps: its legend text, its own charts, its polar and its main values.
  struct PinnedSolution {
    std::string label;
    std::array<std::vector<charts::Chart>, kResultsTabs.size()> charts;
    std::vector<PolarPoint> polar;
    SolutionValues values;
  };

  void Register(Control& control);
  std::vector<charts::Chart>& ChartsOf(ResultsTab tab) { return charts_[static_cast<std::size_t>(tab)]; }
  void MsgBox(const std::string& text);
  // The solution as the main window gave it, with the flaps applied (ResultsFormFlaps.cpp).
  void SolveWithFlaps();
  std::span<const Flap> AppliedFlaps() const;
  // Charts, table and stall onset of the solution on view, built again.
  void Rebuild();
  // No polar on view: its values, points and charts are gone.
  void ForgetPolar();
  // Every view that follows from the solution on view, the polar sweep too if there is one.
  void RebuildSolution();
  // The views of the solution on view but the polar's.
  void RebuildSolutionViews();
  void ShowSummary();
  void RebuildLocalLift();
  void ShowViews();
  // The pins' controls wired (ResultsFormPins.cpp).
  void ConnectPins();
  // The charts and table shown: the solution's own, subtitled, with the pinned solutions over them.
  void ComposeViews();
  void ComposeTable();
  SolutionValues ValuesOnView() const;
  std::string OnViewLabel() const;
  // What the tab's charts and export show: the wing and the solution's operating point, or the polar's range.
  charts::ChartSource SourceOf(ResultsTab tab) const;
  // The polar boxes start from a range that suits the mode.
  void ShowPolarDefaults(SolutionMode mode);
  // The polar tab at the sweep's values: the linear polar, and the section polars' through stall.
  Polar RebuildPolarTab();
  // The section polars' sweep over the polar's root angles, on through stall; a note of what it found.
  std::string SweepSectionPolars();
  // The lifting line of the section polars on the solution on view, and its solution at its root angle
  // (ResultsFormPolars.cpp).
  void RebuildSectionPolars();
  void ShowPolarsNote();
  // The polars in the two boxes, read; MsgBox tells a refusal.
  bool LoadPolars();
  // Every view that follows from the polars, after they changed.
  void PolarsChanged();
  // Starts XFoil, from its boxes, on the next polar a project asked it for; false when none is left.
  bool StartProjectXfoil();
  // The loads tab at the density in its box (ResultsFormLoads.cpp).
  void RebuildLoads();
  std::string PolarCsv() const;

  ChangeHook changeHook_;
  std::function<void()> viewHook_;
  std::function<void()> openHook_;
  std::function<void(const std::string&)> messageHook_;
  XfoilStarter xfoilStarter_;
  std::function<void()> xfoilCancelHook_;
  std::vector<Control*> controls_;

  bool created_ = false;
  int openCount_ = 0;
  int solutionNumber_ = 0;
  bool stale_ = false;                    // a solution arrived while the window was never opened
  std::unique_ptr<Module_ortak> given_;   // the record as the main window's solution left it
  std::unique_ptr<Module_ortak> record_;  // the solution on view: that one, solved again with the flaps
  std::string wingName_;                  // the wing of the solution on view
  SystemCache systemCache_;               // for the polar and the stall onset of that solution
  SolutionMode mode_ = SolutionMode::GivenAngle;
  std::optional<SolutionMode> polarBoxesMode_;
  std::vector<Flap> flaps_;
  bool flapsApplied_ = false;  // the solution on view has the flaps
  std::optional<WingPolars> polars_;
  std::optional<PolarLiftingLine> sectionLine_;  // on the solution on view
  std::optional<PolarSolution> sectionSolution_;
  std::string sectionRefusal_;  // why there is no section-polar solution at the root angle on view
  bool xfoilRunning_ = false;
  bool xfoilCancelled_ = false;  // the user asked the run to stop
  xfoil::PolarRequest xfoilRequest_;
  TextBox* xfoilTarget_ = nullptr;  // the box XFoil's polar goes into
  // The XFoil polars an opened project still waits for, each with the option of the end it is for.
  std::vector<std::pair<std::string, OptionButton*>> projectXfoil_;
  SpanwiseResults spanwise_;
  std::array<std::vector<charts::Chart>, kResultsTabs.size()> charts_;
  std::vector<double> sweep_;  // the polar's values, while it is on view
  std::vector<PolarPoint> polar_;
  charts::SectionPolarSweep sectionSweep_;
  std::optional<SpanLoads> loads_, sectionLoads_;
  std::vector<std::string> tableHeader_;
  std::vector<std::vector<std::string>> tableRows_;
  std::vector<PinnedSolution> pins_;
  std::array<std::vector<charts::Chart>, kResultsTabs.size()> shownCharts_;
  std::vector<std::string> shownTableHeader_;
  std::vector<std::vector<std::string>> shownTableRows_;
};

}  // namespace kelvane::ui
