// The results window's pinned solutions: kept on every chart beside the solution on view, each in a style
// of its own and named by its wing and operating point, and in a column group of the table; and the
// subtitles and CSV preambles that say what the charts show.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "model/RoundTripNumber.h"
#include "results/Quantities.h"
#include "results/charts/ChartSource.h"
#include "results/charts/ChartStyle.h"
#include "results/charts/Overlay.h"
#include "ui/ResultsForm.h"

namespace kelvane::ui {
namespace {

constexpr const char* kNothingToPin = "Sabitlenecek bir çözüm yok: önce ana pencerede bir çözüm yapınız.";
constexpr const char* kNoPins = "Sabitlenen çözüm yok.";
constexpr const char* kSolutionColumn = "Çözüm";
constexpr const char* kSpanEfficiencyColumn = "e";

std::string TooManyPins() {
  return "En çok " + std::to_string(charts::kMaxOverlays) +
         " çözüm sabitlenebilir: yenisi için önce \"Sabitlenenleri temizle\" düğmesine basınız.";
}

std::string NumberCell(const std::optional<double>& value) { return value ? ShortestNumberText(*value) : ""; }

template <typename Of, std::size_t size>
std::string TitleOf(const std::array<Quantity<Of>, size>& table, std::string_view name) {
  return ColumnTitle(QuantityNamed(table, name));
}

}  // namespace

void ResultsForm::ConnectPins() {
  for (Control* control : std::initializer_list<Control*>{&Frame_Pins, &Cmd_Pin, &Cmd_ClearPins, &Label_Pins})
    Register(*control);
  Label_Pins.SetCaption(kNoPins);
  Cmd_Pin.OnClick = [this] { Cmd_Pin_Click(); };
  Cmd_ClearPins.OnClick = [this] { Cmd_ClearPins_Click(); };
}

void ResultsForm::Cmd_Pin_Click() {
  if (!record_ || stale_) return MsgBox(kNothingToPin);
  if (pins_.size() == charts::kMaxOverlays) return MsgBox(TooManyPins());
  pins_.push_back({.label = OnViewLabel(), .charts = charts_, .polar = polar_, .values = ValuesOnView()});
  Label_Pins.SetCaption(std::to_string(pins_.size()) + " çözüm sabitlendi (en çok " +
                        std::to_string(charts::kMaxOverlays) + ").");
  ShowViews();
}

void ResultsForm::Cmd_ClearPins_Click() {
  pins_.clear();
  Label_Pins.SetCaption(kNoPins);
  ShowViews();
}

std::string ResultsForm::OnViewLabel() const { return charts::Subtitle(SourceOf(ResultsTab::Circulation)); }

ResultsForm::SolutionValues ResultsForm::ValuesOnView() const {
  SolutionValues values{
      .CL = record_->CL, .CDi = record_->CDi, .e = std::nullopt, .CD = std::nullopt, .LD = std::nullopt};
  if (spanwise_.spanEfficiency) values.e = spanwise_.spanEfficiency->e;
  if (sectionSolution_) {
    values.CD = sectionSolution_->CD;
    values.LD = sectionSolution_->LD;
  }
  return values;
}

charts::ChartSource ResultsForm::SourceOf(ResultsTab tab) const {
  if (tab == ResultsTab::Polar) return charts::SweepSource(wingName_, mode_, sweep_, record_->N);
  return charts::SolutionSource(wingName_, *record_, mode_);
}

void ResultsForm::ComposeViews() {
  shownCharts_ = charts_;
  if (record_)
    for (const ResultsTab tab : kResultsTabs) {
      const std::string subtitle = charts::Subtitle(SourceOf(tab));
      for (charts::Chart& chart : shownCharts_[static_cast<std::size_t>(tab)]) chart.subtitle = subtitle;
    }
  for (std::size_t pin = 0; pin < pins_.size(); ++pin)
    for (std::size_t tab = 0; tab < shownCharts_.size(); ++tab)
      charts::LayOver(shownCharts_[tab], pins_[pin].charts[tab], pins_[pin].label, charts::kOverlayStyles[pin]);
  ComposeTable();
}

void ResultsForm::ComposeTable() {
  shownTableHeader_ = tableHeader_;
  shownTableRows_ = tableRows_;
  if (pins_.empty() || tableRows_.empty()) return;

  std::vector<std::pair<std::string, SolutionValues>> solutions{{OnViewLabel(), ValuesOnView()}};
  for (const PinnedSolution& pin : pins_) solutions.emplace_back(pin.label, pin.values);
  const bool withPolars = std::any_of(solutions.begin(), solutions.end(),
                                      [](const auto& solution) { return solution.second.CD.has_value(); });

  shownTableHeader_.insert(shownTableHeader_.end(), {kSolutionColumn, TitleOf(kPointQuantities, "CL"),
                                                     TitleOf(kPointQuantities, "CDi"), kSpanEfficiencyColumn});
  if (withPolars)
    shownTableHeader_.insert(shownTableHeader_.end(),
                             {TitleOf(kPolarQuantities, "CD"), TitleOf(kPolarQuantities, "LD")});
  const std::size_t stationColumns = tableHeader_.size();
  shownTableRows_.resize(std::max(shownTableRows_.size(), solutions.size()), std::vector<std::string>(stationColumns));
  for (std::size_t row = 0; row < shownTableRows_.size(); ++row) {
    std::vector<std::string>& cells = shownTableRows_[row];
    if (row >= solutions.size()) {
      cells.resize(shownTableHeader_.size());
      continue;
    }
    const auto& [label, values] = solutions[row];
    cells.insert(cells.end(),
                 {label, ShortestNumberText(values.CL), ShortestNumberText(values.CDi), NumberCell(values.e)});
    if (withPolars) cells.insert(cells.end(), {NumberCell(values.CD), NumberCell(values.LD)});
  }
}

}  // namespace kelvane::ui
