// The results window, toolkit neutral: which solution it shows, its charts and station table, the clmax
// boxes of the local lift tab and the polar's boxes and button. A front end shows it and forwards the
// user's actions to its controls, as for the main window.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "results/Polar.h"
#include "results/SpanwiseResults.h"
#include "results/charts/Chart.h"
#include "solver/LiftingLine.h"
#include "solver/SystemCache.h"
#include "ui/Controls.h"

namespace kelvane::ui {

inline constexpr const char* kResultsCaption = "Kelvane - Sonuçlar";

enum class ResultsTab { Circulation, LocalLift, Angles, Polar, Table };
inline constexpr std::array<ResultsTab, 5> kResultsTabs{ResultsTab::Circulation, ResultsTab::LocalLift,
                                                       ResultsTab::Angles, ResultsTab::Polar, ResultsTab::Table};
const char* ResultsTabCaption(ResultsTab tab);

// A polar this long keeps the window waiting for seconds; the batch tool takes longer ones.
inline constexpr std::size_t kMaxWindowPolarPoints = 1000;

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
  const std::vector<Control*>& AllControls() const { return controls_; }

  // --- What the main window tells it ------------------------------------------------------------------
  // A solution completed in the given mode: the window takes a copy of its record and follows it.
  void SolutionCompleted(const Module_ortak& record, SolutionMode mode);
  // The solution on view was taken off the main window.
  void SolutionRemoved();
  // The menu item: the window is created the first time, then shown and raised.
  void Open();

  // --- What it shows ----------------------------------------------------------------------------------
  bool Created() const { return created_; }
  int OpenCount() const { return openCount_; }
  // Counts the solutions the window was given; 0 before the first. The one on view is the latest.
  int SolutionNumber() const { return solutionNumber_; }
  bool HasSolution() const { return record_ != nullptr; }
  // The mode of the solution on view, which the polar sweeps in.
  SolutionMode Mode() const { return mode_; }

  // The charts of a tab: one each, two for the polar, none for the table or without a solution.
  const std::vector<charts::Chart>& Charts(ResultsTab tab) const;
  // A chart tab's points as CSV, or the station table as CSV.
  std::string Csv(ResultsTab tab) const;

  // The station table, every number at full precision.
  const std::vector<std::string>& TableHeader() const { return tableHeader_; }
  const std::vector<std::vector<std::string>>& TableRows() const { return tableRows_; }
  // The given rows and columns of the table, in their order, under the header of those columns:
  // tab-separated, one line each, as a spreadsheet takes them from the clipboard.
  std::string TableText(std::span<const int> rows, std::span<const int> columns) const;

  // --- Controls ---------------------------------------------------------------------------------------
  Label Label_NoSolution;
  Label Label_clmaxK, Label_clmaxU;
  TextBox Text_clmaxK, Text_clmaxU;
  Label Label_Stall;  // the stall onset, or why there is none
  Label Label_PolarVariable;  // what the sweep runs over
  Label Label_PolarFrom, Label_PolarTo, Label_PolarStep;
  TextBox Text_PolarFrom, Text_PolarTo, Text_PolarStep;
  CommandButton Cmd_Polar;
  Label Label_Polar;  // how many points, or where the sweep stopped

  // --- Reactions --------------------------------------------------------------------------------------
  void Text_clmax_Change();
  void Cmd_Polar_Click();

 private:
  void Register(Control& control);
  void MsgBox(const std::string& text);
  // Charts, table and stall onset of the solution on view, built again.
  void Rebuild();
  void RebuildLocalLift();
  void ShowViews();
  // The polar boxes start from a range that suits the mode.
  void ShowPolarDefaults(SolutionMode mode);

  ChangeHook changeHook_;
  std::function<void()> viewHook_;
  std::function<void()> openHook_;
  std::function<void(const std::string&)> messageHook_;
  std::vector<Control*> controls_;

  bool created_ = false;
  int openCount_ = 0;
  int solutionNumber_ = 0;
  bool stale_ = false;  // a solution arrived while the window was never opened
  std::unique_ptr<Module_ortak> record_;  // the record as the solution on view left it
  SystemCache systemCache_;               // for the polar and the stall onset of that solution
  SolutionMode mode_ = SolutionMode::GivenAngle;
  std::optional<SolutionMode> polarBoxesMode_;
  SpanwiseResults spanwise_;
  std::array<std::vector<charts::Chart>, kResultsTabs.size()> charts_;
  std::vector<PolarPoint> polar_;
  std::vector<std::string> tableHeader_;
  std::vector<std::vector<std::string>> tableRows_;
};

}  // namespace kelvane::ui
