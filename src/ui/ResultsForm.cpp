// The results window's state: the solution on view, its charts, table, stall onset and polar.
#include "ui/ResultsForm.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/RoundTripNumber.h"
#include "results/Quantities.h"
#include "results/StallOnset.h"
#include "results/charts/PolarCharts.h"
#include "results/charts/SpanwiseCharts.h"

namespace kelvane::ui {
namespace {

constexpr const char* kNoSolution =
    "Henüz bir çözüm yok: ana pencerede \"Aerodinamik katsayıları hesapla\" düğmesine basınız.";
constexpr const char* kMaxLiftUnreadable =
    "clmax kutularına birer pozitif sayı giriniz (ondalık ayırıcı nokta); boş bir kutu ötekinin değerini alır.";
constexpr const char* kNoStallOnset = "Hiçbir istasyonun kaldırması kök açısıyla artmıyor: tutunma kaybı yok.";
constexpr const char* kPolarPrompt = "Aralığı girip \"Polar hesapla\" düğmesine basınız.";
constexpr const char* kPolarNeedsSolution = "Önce ana pencerede bir çözüm yapınız.";
constexpr const char* kPolarUnreadable =
    "Başlangıç, bitiş ve adım kutularına birer sayı giriniz (ondalık ayırıcı nokta): ";
constexpr const char* kStepNotPositive = "Polar için adım sıfırdan büyük olmalı.";
constexpr const char* kEmptySweep = "Polar için bitiş değeri başlangıç değerinden küçük olamaz.";
constexpr const char* kRootAngleVariable = "αkök (°)";
constexpr const char* kLiftVariable = "CL";

constexpr char kCellSeparator = '\t';

// The window is resizable and lays its controls out itself; these are their natural sizes. A note is
// two lines high, so that a long one wraps.
constexpr Geometry kCaptionSize{0, 0, 110, 19};
constexpr Geometry kBoxSize{0, 0, 64, 19};
constexpr Geometry kButtonSize{0, 0, 110, 25};
constexpr Geometry kNoteSize{0, 0, 480, 34};

// The polar boxes' start texts: from, to, step.
struct PolarRange {
  const char* from;
  const char* to;
  const char* step;
};
constexpr PolarRange kAnglePolar{"-4", "12", "1"};
constexpr PolarRange kLiftPolar{"0", "1.2", "0.1"};

std::size_t Index(ResultsTab tab) { return static_cast<std::size_t>(tab); }

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text as one finite number, "1.5" or "-2e3": a box of this window holds one value, read
// strictly, never the start of a longer text.
std::optional<double> StrictNumber(const std::string& text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

struct MaxLiftBoxes {
  std::optional<SectionMaxLift> maxLift;
  bool unreadable = false;
};

// Both boxes empty: no maximum lift. One empty: it takes the other's value.
MaxLiftBoxes ReadMaxLift(const TextBox& root, const TextBox& tip) {
  const std::string rootText = Trimmed(root.Text()), tipText = Trimmed(tip.Text());
  if (rootText.empty() && tipText.empty()) return {};
  const auto clmaxK = StrictNumber(rootText.empty() ? tipText : rootText);
  const auto clmaxU = StrictNumber(tipText.empty() ? rootText : tipText);
  if (!clmaxK || !clmaxU || !(*clmaxK > 0) || !(*clmaxU > 0)) return {.maxLift = std::nullopt, .unreadable = true};
  return {.maxLift = SectionMaxLift{.clmaxK = *clmaxK, .clmaxU = *clmaxU}, .unreadable = false};
}

std::string Joined(const std::vector<std::string>& cells, std::span<const int> columns, char separator) {
  std::string line;
  for (const int column : columns) {
    if (column < 0 || static_cast<std::size_t>(column) >= cells.size()) continue;
    if (!line.empty()) line += separator;
    line += cells[column];
  }
  return line + '\n';
}

std::vector<int> AllIndices(std::size_t count) {
  std::vector<int> indices(count);
  for (std::size_t k = 0; k < count; ++k) indices[k] = static_cast<int>(k);
  return indices;
}

}  // namespace

const char* ResultsTabCaption(ResultsTab tab) {
  switch (tab) {
    case ResultsTab::Circulation: return "Dolaşım";
    case ResultsTab::LocalLift: return "Yerel kaldırma katsayısı";
    case ResultsTab::Angles: return "Hücum açıları";
    case ResultsTab::Polar: return "Polar";
    case ResultsTab::Table: return "Tablo";
  }
  return "";
}

ResultsForm::ResultsForm()
    : Label_NoSolution("Label_NoSolution", nullptr, kNoteSize, kNoSolution),
      Label_clmaxK("Label_clmaxK", nullptr, kCaptionSize, "clmax kök ="),
      Label_clmaxU("Label_clmaxU", nullptr, kCaptionSize, "clmax uç ="),
      Text_clmaxK("Text_clmaxK", nullptr, kBoxSize),
      Text_clmaxU("Text_clmaxU", nullptr, kBoxSize),
      Label_Stall("Label_Stall", nullptr, kNoteSize, ""),
      Label_PolarVariable("Label_PolarVariable", nullptr, kCaptionSize, kRootAngleVariable),
      Label_PolarFrom("Label_PolarFrom", nullptr, kCaptionSize, "Başlangıç"),
      Label_PolarTo("Label_PolarTo", nullptr, kCaptionSize, "Bitiş"),
      Label_PolarStep("Label_PolarStep", nullptr, kCaptionSize, "Adım"),
      Text_PolarFrom("Text_PolarFrom", nullptr, kBoxSize),
      Text_PolarTo("Text_PolarTo", nullptr, kBoxSize),
      Text_PolarStep("Text_PolarStep", nullptr, kBoxSize),
      Cmd_Polar("Cmd_Polar", nullptr, kButtonSize, "Polar hesapla"),
      Label_Polar("Label_Polar", nullptr, kNoteSize, "") {
  for (Control* control : std::initializer_list<Control*>{
           &Label_NoSolution, &Label_clmaxK, &Label_clmaxU, &Text_clmaxK, &Text_clmaxU, &Label_Stall,
           &Label_PolarVariable, &Label_PolarFrom, &Label_PolarTo, &Label_PolarStep, &Text_PolarFrom,
           &Text_PolarTo, &Text_PolarStep, &Cmd_Polar, &Label_Polar})
    Register(*control);
  ShowPolarDefaults(SolutionMode::GivenAngle);
  Text_clmaxK.OnChange = [this] { Text_clmax_Change(); };
  Text_clmaxU.OnChange = [this] { Text_clmax_Change(); };
  Cmd_Polar.OnClick = [this] { Cmd_Polar_Click(); };
}

void ResultsForm::Register(Control& control) {
  controls_.push_back(&control);
  control.SetChangeHook(&changeHook_);
}

// As with the main window, a message that quotes outside text never grows past the limit.
void ResultsForm::MsgBox(const std::string& text) {
  if (messageHook_) messageHook_(LimitMessage(text));
}

void ResultsForm::ShowPolarDefaults(SolutionMode mode) {
  const PolarRange& range = mode == SolutionMode::GivenAngle ? kAnglePolar : kLiftPolar;
  Label_PolarVariable.SetCaption(mode == SolutionMode::GivenAngle ? kRootAngleVariable : kLiftVariable);
  Text_PolarFrom.SetText(range.from);
  Text_PolarTo.SetText(range.to);
  Text_PolarStep.SetText(range.step);
  polarBoxesMode_ = mode;
}

void ResultsForm::SolutionCompleted(const Module_ortak& record, SolutionMode mode) {
  if (!record_) record_ = std::make_unique<Module_ortak>();
  *record_ = record;
  mode_ = mode;
  ++solutionNumber_;
  Label_NoSolution.SetVisible(false);
  if (polarBoxesMode_ != mode) ShowPolarDefaults(mode);
  if (created_) {
    Rebuild();
  } else {
    stale_ = true;  // built when the window is first opened
  }
}

void ResultsForm::SolutionRemoved() {
  record_.reset();
  stale_ = false;
  spanwise_ = {};
  polar_.clear();
  for (auto& tabCharts : charts_) tabCharts.clear();
  tableHeader_.clear();
  tableRows_.clear();
  Label_NoSolution.SetVisible(true);
  Label_Stall.SetCaption("");
  Label_Polar.SetCaption("");
  ShowViews();
}

void ResultsForm::Open() {
  created_ = true;
  ++openCount_;
  if (stale_) Rebuild();
  if (openHook_) openHook_();
}

void ResultsForm::Rebuild() {
  stale_ = false;
  polar_.clear();
  charts_[Index(ResultsTab::Polar)].clear();
  Label_Polar.SetCaption(kPolarPrompt);
  spanwise_ = ReadSpanwiseResults(*record_);
  charts_[Index(ResultsTab::Circulation)] = {charts::CirculationChart(*record_, spanwise_)};
  charts_[Index(ResultsTab::Angles)] = {charts::AnglesChart(*record_, spanwise_)};
  RebuildLocalLift();
  ShowViews();
}

// The tab of the local lift and the table follow the clmax boxes.
void ResultsForm::RebuildLocalLift() {
  const MaxLiftBoxes boxes = ReadMaxLift(Text_clmaxK, Text_clmaxU);
  std::optional<StallOnset> stall;
  std::string note = boxes.unreadable ? kMaxLiftUnreadable : "";
  spanwise_ = ReadSpanwiseResults(*record_, boxes.maxLift);
  if (boxes.maxLift) {
    const auto search = FindStallOnset(*record_, systemCache_, *boxes.maxLift);
    if (search) stall = *search;
    note = !search ? search.Message() : stall ? charts::StallOnsetText(*stall) : kNoStallOnset;
  }
  Label_Stall.SetCaption(note);
  charts_[Index(ResultsTab::LocalLift)] = {charts::LocalLiftChart(*record_, spanwise_, stall)};

  // The station number, then the station quantities in their order.
  tableHeader_ = {"i"};
  for (const auto& quantity : kStationQuantities) tableHeader_.push_back(ColumnTitle(quantity));
  if (spanwise_.maxLift) tableHeader_.push_back(kMaxLiftName);
  tableRows_.clear();
  for (std::size_t k = 0; k < spanwise_.stations.size(); ++k) {
    const StationValues& s = spanwise_.stations[k];
    std::vector<std::string> row{std::to_string(k + 1)};
    for (const auto& quantity : kStationQuantities) row.push_back(ShortestNumberText(s.*quantity.member));
    if (s.clmax) row.push_back(ShortestNumberText(*s.clmax));
    tableRows_.push_back(std::move(row));
  }
}

void ResultsForm::ShowViews() {
  if (viewHook_) viewHook_();
}

void ResultsForm::Text_clmax_Change() {
  if (!record_ || stale_) return;
  RebuildLocalLift();
  ShowViews();
}

void ResultsForm::Cmd_Polar_Click() {
  if (!record_) {
    MsgBox(kPolarNeedsSolution);
    return;
  }
  std::array<double, 3> range{};
  const std::array<const TextBox*, 3> boxes{&Text_PolarFrom, &Text_PolarTo, &Text_PolarStep};
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    const auto value = StrictNumber(Trimmed(boxes[k]->Text()));
    if (!value) {
      MsgBox(kPolarUnreadable + QuoteForMessage(boxes[k]->Text()));
      return;
    }
    range[k] = *value;
  }
  const std::string tooManyPoints =
      "Polar en çok " + std::to_string(kMaxWindowPolarPoints) + " noktadır: daha büyük bir adım giriniz.";
  const auto sweep = MakeSweep(range[0], range[1], range[2], {kStepNotPositive, kEmptySweep, tooManyPoints});
  if (!sweep) return MsgBox(sweep.Message());
  if (sweep->size() > kMaxWindowPolarPoints) return MsgBox(tooManyPoints);

  Polar polar = SolvePolar(*record_, systemCache_, mode_, *sweep);
  polar_ = std::move(polar.points);
  charts_[Index(ResultsTab::Polar)] = {charts::LiftCurveChart(polar_), charts::DragPolarChart(polar_)};
  Label_Polar.SetCaption(std::to_string(polar_.size()) + " nokta hesaplandı.");
  ShowViews();
  if (polar.stop.IsRefused()) {
    const std::string variable = mode_ == SolutionMode::GivenAngle ? "αkök" : "CL";
    MsgBox("Polar " + variable + " = " + PlainNumberText(polar.stoppedAt) + " noktasında durdu: " +
           polar.stop.Message());
  }
}

const std::vector<charts::Chart>& ResultsForm::Charts(ResultsTab tab) const { return charts_[Index(tab)]; }

std::string ResultsForm::Csv(ResultsTab tab) const {
  if (tab == ResultsTab::Table) {
    const std::vector<int> columns = AllIndices(tableHeader_.size());
    std::string csv = Joined(tableHeader_, columns, ',');
    for (const auto& row : tableRows_) csv += Joined(row, columns, ',');
    return csv;
  }
  if (tab == ResultsTab::Polar) {
    std::string csv = std::string(kRootAngleVariable) + ",CL,CDi\n";
    for (const PolarPoint& point : polar_) {
      AppendShortestNumberText(csv, point.AlfaK);
      csv += ',';
      AppendShortestNumberText(csv, point.CL);
      csv += ',';
      AppendShortestNumberText(csv, point.CDi);
      csv += '\n';
    }
    return csv;
  }
  const auto& tabCharts = Charts(tab);
  return tabCharts.empty() ? std::string() : charts::ChartCsv(tabCharts.front());
}

std::string ResultsForm::TableText(std::span<const int> rows, std::span<const int> columns) const {
  std::string text = Joined(tableHeader_, columns, kCellSeparator);
  for (const int row : rows)
    if (row >= 0 && static_cast<std::size_t>(row) < tableRows_.size()) text += Joined(tableRows_[row], columns, kCellSeparator);
  return text;
}

}  // namespace kelvane::ui
