// The results window's solution on view, its charts and table, and the linear polar.
#include "ui/ResultsForm.h"

#include <string_view>
#include <utility>

#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/RoundTripNumber.h"
#include "results/Quantities.h"
#include "results/StallOnset.h"
#include "results/charts/ChartSource.h"
#include "results/charts/PolarCharts.h"
#include "results/charts/SpanwiseCharts.h"
#include "ui/ResultsFormBoxes.h"

namespace kelvane::ui {
namespace {

constexpr const char* kNoSolution =
    "Henüz bir çözüm yok: ana pencerede \"Aerodinamik katsayıları hesapla\" düğmesine basınız.";
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

// The inputs-changed note stands out in a dark orange.
constexpr Color kWarningColor{0xA0, 0x30, 0x00};

// The window is resizable and lays its controls out itself; these are their natural sizes. A note is
// two lines high, so that a long one wraps.
constexpr Geometry kCaptionSize{0, 0, 110, 19};
constexpr Geometry kBoxSize{0, 0, 64, 19};
constexpr Geometry kButtonSize{0, 0, 110, 25};
constexpr Geometry kNoteSize{0, 0, 480, 34};
constexpr Geometry kPathBoxSize{0, 0, 260, 19};
constexpr Geometry kOptionSize{0, 0, 60, 19};

// The polar boxes' start texts: from, to, step.
struct PolarRange {
  const char* from;
  const char* to;
  const char* step;
};
constexpr PolarRange kAnglePolar{"-4", "12", "1"};
constexpr PolarRange kLiftPolar{"0", "1.2", "0.1"};

std::string FlapBoxName(int row, const char* value) { return "Text_Flap" + std::to_string(row) + "_" + value; }

std::string Joined(const std::vector<std::string>& cells, std::span<const int> columns, char separator) {
  std::string line;
  for (const int column : columns) {
    if (column < 0 || static_cast<std::size_t>(column) >= cells.size()) continue;
    if (!line.empty()) line += separator;
    line += cells[column];
  }
  return line + '\n';
}

std::string CsvLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t k = 0; k < cells.size(); ++k) line += (k > 0 ? "," : "") + charts::CsvField(cells[k]);
  return line + '\n';
}

}  // namespace

const char* ResultsTabCaption(ResultsTab tab) {
  switch (tab) {
    case ResultsTab::Circulation: return "Dolaşım";
    case ResultsTab::LocalLift: return "Yerel kaldırma katsayısı";
    case ResultsTab::Angles: return "Hücum açıları";
    case ResultsTab::Polar: return "Polar";
    case ResultsTab::Loads: return "Yükler";
    case ResultsTab::Table: return "Tablo";
  }
  return "";
}

FlapBoxes::FlapBoxes(Frame& table, int row)
    : y1(FlapBoxName(row, "y1"), &table, kBoxSize),
      y2(FlapBoxName(row, "y2"), &table, kBoxSize),
      E(FlapBoxName(row, "E"), &table, kBoxSize),
      delta(FlapBoxName(row, "delta"), &table, kBoxSize) {}

static_assert(kMaxFlaps == 4, "the flap table has a row for each flap");

ResultsForm::ResultsForm()
    : Label_NoSolution("Label_NoSolution", nullptr, kNoteSize, kNoSolution),
      Label_Summary("Label_Summary", nullptr, kNoteSize, ""),
      Label_InputsChanged("Label_InputsChanged", nullptr, kNoteSize, ""),
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
      Label_Polar("Label_Polar", nullptr, kNoteSize, ""),
      Label_Rho("Label_Rho", nullptr, kCaptionSize, "ρ (kg/m³) ="),
      Text_Rho("Text_Rho", nullptr, kBoxSize, PlainNumberText(kSeaLevelAirDensity)),
      Label_Loads("Label_Loads", nullptr, kNoteSize, ""),
      Frame_Polars("Frame_Polars", nullptr, {}, "Kesit polarları"),
      Label_PolarRoot("Label_PolarRoot", &Frame_Polars, kCaptionSize, "Kök poları"),
      Label_PolarTip("Label_PolarTip", &Frame_Polars, kCaptionSize, "Uç poları"),
      Text_PolarRoot("Text_PolarRoot", &Frame_Polars, kPathBoxSize),
      Text_PolarTip("Text_PolarTip", &Frame_Polars, kPathBoxSize),
      Cmd_PolarLoad("Cmd_PolarLoad", &Frame_Polars, kButtonSize, "Polarları yükle"),
      Cmd_PolarClear("Cmd_PolarClear", &Frame_Polars, kButtonSize, "Temizle"),
      Label_Polars("Label_Polars", &Frame_Polars, kNoteSize, ""),
      Label_XfoilSection("Label_XfoilSection", &Frame_Polars, kCaptionSize, "XFoil kesiti"),
      Label_XfoilRe("Label_XfoilRe", &Frame_Polars, kCaptionSize, "Re"),
      Text_XfoilSection("Text_XfoilSection", &Frame_Polars, kPathBoxSize, "2412"),
      Text_XfoilRe("Text_XfoilRe", &Frame_Polars, kBoxSize, "1e6"),
      Option_XfoilRoot("Option_XfoilRoot", &Frame_Polars, kOptionSize, "köke"),
      Option_XfoilTip("Option_XfoilTip", &Frame_Polars, kOptionSize, "uca"),
      Cmd_Xfoil("Cmd_Xfoil", &Frame_Polars, kButtonSize, "XFoil ile hesapla"),
      Cmd_XfoilCancel("Cmd_XfoilCancel", &Frame_Polars, kButtonSize, "İptal"),
      Label_Xfoil("Label_Xfoil", &Frame_Polars, kNoteSize, ""),
      Frame_Flaps("Frame_Flaps", nullptr, {}, "Flaplar"),
      Label_FlapY1("Label_FlapY1", &Frame_Flaps, kBoxSize, "y1 (m)"),
      Label_FlapY2("Label_FlapY2", &Frame_Flaps, kBoxSize, "y2 (m)"),
      Label_FlapE("Label_FlapE", &Frame_Flaps, kBoxSize, "E = cf/c"),
      Label_FlapDelta("Label_FlapDelta", &Frame_Flaps, kBoxSize, "δ (°)"),
      Text_Flaps{
          {FlapBoxes(Frame_Flaps, 1), FlapBoxes(Frame_Flaps, 2), FlapBoxes(Frame_Flaps, 3), FlapBoxes(Frame_Flaps, 4)}},
      Cmd_Flaps("Cmd_Flaps", &Frame_Flaps, kButtonSize, "Flapları uygula"),
      Label_Flaps("Label_Flaps", &Frame_Flaps, kNoteSize, kNoFlapsNote),
      Frame_Pins("Frame_Pins", nullptr, {}, "Karşılaştırma"),
      Cmd_Pin("Cmd_Pin", &Frame_Pins, kButtonSize, "Sabitle"),
      Cmd_ClearPins("Cmd_ClearPins", &Frame_Pins, kButtonSize, "Sabitlenenleri temizle"),
      Label_Pins("Label_Pins", &Frame_Pins, kNoteSize, "") {
  for (Control* control :
       std::initializer_list<Control*>{&Label_NoSolution,  &Label_clmaxK,    &Label_clmaxU,        &Text_clmaxK,
                                       &Text_clmaxU,       &Label_Stall,     &Label_PolarVariable, &Label_PolarFrom,
                                       &Label_PolarTo,     &Label_PolarStep, &Text_PolarFrom,      &Text_PolarTo,
                                       &Text_PolarStep,    &Cmd_Polar,       &Label_Polar,         &Label_Rho,
                                       &Text_Rho,          &Label_Loads,     &Frame_Polars,        &Label_PolarRoot,
                                       &Label_PolarTip,    &Text_PolarRoot,  &Text_PolarTip,       &Cmd_PolarLoad,
                                       &Cmd_PolarClear,    &Label_Polars,    &Label_XfoilSection,  &Label_XfoilRe,
                                       &Text_XfoilSection, &Text_XfoilRe,    &Option_XfoilRoot,    &Option_XfoilTip,
                                       &Cmd_Xfoil,         &Cmd_XfoilCancel, &Label_Xfoil,         &Frame_Flaps,
                                       &Label_FlapY1,      &Label_FlapY2,    &Label_FlapE,         &Label_FlapDelta})
    Register(*control);
  for (FlapBoxes& row : Text_Flaps)
    for (TextBox* box : {&row.y1, &row.y2, &row.E, &row.delta}) Register(*box);
  Register(Cmd_Flaps);
  Register(Label_Flaps);
  Register(Label_Summary);
  Register(Label_InputsChanged);
  Label_InputsChanged.Look().foreground = kWarningColor;
  ConnectPins();
  ShowPolarDefaults(SolutionMode::GivenAngle);
  Option_XfoilRoot.SetValue(true);
  Cmd_XfoilCancel.SetVisible(false);
  ShowPolarsNote();
  Text_clmaxK.OnChange = [this] { Text_clmax_Change(); };
  Text_clmaxU.OnChange = [this] { Text_clmax_Change(); };
  Cmd_Polar.OnClick = [this] { Cmd_Polar_Click(); };
  Text_Rho.OnChange = [this] { Text_Rho_Change(); };
  Cmd_PolarLoad.OnClick = [this] { Cmd_PolarLoad_Click(); };
  Cmd_PolarClear.OnClick = [this] { Cmd_PolarClear_Click(); };
  Cmd_Xfoil.OnClick = [this] { Cmd_Xfoil_Click(); };
  Cmd_XfoilCancel.OnClick = [this] { Cmd_XfoilCancel_Click(); };
  Cmd_Flaps.OnClick = [this] { Cmd_Flaps_Click(); };
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

void ResultsForm::SolutionCompleted(const Module_ortak& record, SolutionMode mode, const std::string& wingName) {
  // A polar runs over the operating points of one wing in one mode: a new point of it leaves the polar as it is.
  if (!given_ || mode != mode_ || !SameWingInputs(*given_, record)) ForgetPolar();
  InputsChanged({});
  if (!given_) given_ = std::make_unique<Module_ortak>();
  *given_ = record;
  mode_ = mode;
  wingName_ = wingName;
  ++solutionNumber_;
  Label_NoSolution.SetVisible(false);
  if (polarBoxesMode_ != mode) ShowPolarDefaults(mode);
  SolveWithFlaps();
  if (created_) {
    Rebuild();
  } else {
    stale_ = true;  // built when the window is first opened
  }
}

void ResultsForm::SolutionRemoved() {
  given_.reset();
  record_.reset();
  stale_ = false;
  spanwise_ = {};
  ForgetPolar();
  sectionLine_.reset();
  sectionSolution_.reset();
  sectionRefusal_.clear();
  loads_.reset();
  sectionLoads_.reset();
  for (auto& tabCharts : charts_) tabCharts.clear();
  tableHeader_.clear();
  tableRows_.clear();
  Label_NoSolution.SetVisible(true);
  Label_Summary.SetCaption("");
  InputsChanged({});
  Label_Stall.SetCaption("");
  Label_Polar.SetCaption("");
  Label_Loads.SetCaption("");
  ShowPolarsNote();
  ShowViews();
}

void ResultsForm::Open() {
  created_ = true;
  ++openCount_;
  if (stale_) Rebuild();
  if (openHook_) openHook_();
}

// A new solution: the polar of the same wing stays (SolutionCompleted), another wing's is still to be asked for.
void ResultsForm::Rebuild() {
  stale_ = false;
  if (sweep_.empty()) Label_Polar.SetCaption(kPolarPrompt);
  RebuildSolutionViews();
  ShowViews();
}

void ResultsForm::ForgetPolar() {
  sweep_.clear();
  polar_.clear();
  sectionSweep_ = {};
  ChartsOf(ResultsTab::Polar).clear();
}

void ResultsForm::RebuildSolution() {
  RebuildSolutionViews();
  if (!sweep_.empty()) RebuildPolarTab();
}

void ResultsForm::RebuildSolutionViews() {
  spanwise_ = ReadSpanwiseResults(*record_);
  ChartsOf(ResultsTab::Circulation) = {charts::CirculationChart(*record_, spanwise_)};
  ChartsOf(ResultsTab::Angles) = {charts::AnglesChart(*record_, spanwise_)};
  RebuildSectionPolars();
  RebuildLocalLift();
  RebuildLoads();
  ShowSummary();
}

// The tab of the local lift and the table follow the clmax boxes.
void ResultsForm::RebuildLocalLift() {
  const MaxLiftBoxes boxes = ReadMaxLift(Text_clmaxK, Text_clmaxU);
  std::optional<StallOnset> stall;
  std::string note = boxes.unreadable ? kMaxLiftUnreadable : "";
  spanwise_ = ReadSpanwiseResults(*record_, boxes.maxLift);
  if (boxes.maxLift) {
    const auto search = FindStallOnset(*record_, systemCache_, *boxes.maxLift, AppliedFlaps());
    if (search) stall = *search;
    note = !search ? search.Message() : stall ? charts::StallOnsetText(*stall) : kNoStallOnset;
  }
  Label_Stall.SetCaption(note);
  auto& localLift = ChartsOf(ResultsTab::LocalLift);
  if (sectionSolution_) {
    const charts::SectionPolarSpan span{*sectionSolution_, *polars_};
    localLift = {charts::LocalLiftChart(*record_, spanwise_, stall, &span),
                 charts::ProfileDragChart(*record_, *sectionSolution_)};
  } else {
    localLift = {charts::LocalLiftChart(*record_, spanwise_, stall)};
  }

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
  ComposeViews();
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
  auto sweep = MakeSweep(range[0], range[1], range[2], {kStepNotPositive, kEmptySweep, tooManyPoints});
  if (!sweep) return MsgBox(sweep.Message());
  if (sweep->size() > kMaxWindowPolarPoints) return MsgBox(tooManyPoints);

  sweep_ = std::move(*sweep);
  const Polar polar = RebuildPolarTab();
  ShowViews();
  if (polar.stop.IsRefused()) {
    const std::string variable = mode_ == SolutionMode::GivenAngle ? "αkök" : "CL";
    MsgBox("Polar " + variable + " = " + PlainNumberText(polar.stoppedAt) +
           " noktasında durdu: " + polar.stop.Message());
  }
}

Polar ResultsForm::RebuildPolarTab() {
  Polar polar = SolvePolar(*record_, systemCache_, mode_, sweep_, AppliedFlaps());
  polar_ = polar.points;
  std::string note = std::to_string(polar_.size()) + " nokta hesaplandı.";
  sectionSweep_ = {};
  if (sectionLine_) note += " " + SweepSectionPolars();
  auto& tabCharts = ChartsOf(ResultsTab::Polar);
  tabCharts = {charts::LiftCurveChart(polar_, sectionSweep_), charts::DragPolarChart(polar_, sectionSweep_)};
  if (!sectionSweep_.points.empty()) tabCharts.push_back(charts::LiftToDragChart(sectionSweep_));
  Label_Polar.SetCaption(note);
  return polar;
}

const std::vector<charts::Chart>& ResultsForm::Charts(ResultsTab tab) const {
  return shownCharts_[static_cast<std::size_t>(tab)];
}

std::string ResultsForm::Csv(ResultsTab tab) const {
  if (!record_) return {};
  switch (tab) {
    case ResultsTab::Table: {
      std::string csv = charts::CsvPreamble(SourceOf(tab)) + CsvLine(TableHeader());
      for (const auto& row : TableRows()) csv += CsvLine(row);
      return csv;
    }
    case ResultsTab::Polar: return PolarCsv();
    default: {
      const auto& tabCharts = Charts(tab);
      return tabCharts.empty() ? std::string() : charts::ChartsCsv(tabCharts, charts::CsvPreamble(SourceOf(tab)));
    }
  }
}

std::string TableCellText(const std::string& cell) {
  const std::optional<double> number = StrictNumber(cell);
  if (number) return SignificantText(*number, kTableDigits);
  std::string shown = cell;
  const std::string_view separator = charts::kSourceSeparator;
  for (auto at = shown.find(separator); at != std::string::npos; at = shown.find(separator, at + 1))
    shown.replace(at, separator.size(), "\n");
  return shown;
}

std::string ResultsForm::TableText(std::span<const int> rows, std::span<const int> columns) const {
  std::string text = Joined(TableHeader(), columns, kCellSeparator);
  for (const int row : rows)
    if (row >= 0 && static_cast<std::size_t>(row) < TableRows().size())
      text += Joined(TableRows()[row], columns, kCellSeparator);
  return text;
}

}  // namespace kelvane::ui
