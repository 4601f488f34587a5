// The results window's widgets: the side panel of section polars and flaps, the tabs, the exports.
#include "app/ResultsWidget.h"

#include <algorithm>
#include <set>

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ChartView.h"
#include "app/ControlWidgets.h"
#include "app/SaveDialog.h"
#include "app/XfoilRunner.h"
#include "chartpaint/ImageFiles.h"
#include "model/TextFile.h"

namespace kelvane::app {
namespace {

using ui::ResultsTab;

constexpr int kStartWidth = 1240;
constexpr int kStartHeight = 720;
// The side panel is as wide as a path box and its captions and buttons.
constexpr int kSidePanelWidth = 440;
constexpr const char* kOpenFile = "Dosya…";
constexpr const char* kOpenPolar = "Polar dosyası";
constexpr const char* kPolarFiles = "Polar dosyaları (*.txt *.pol *.csv *.dat);;Bütün dosyalar (*)";
constexpr const char* kOpenCoordinates = "Kesitin koordinat dosyası";
constexpr const char* kCoordinateFiles = "Koordinat dosyaları (*.dat);;Bütün dosyalar (*)";
constexpr const char* kExport = "Dışa aktar…";
constexpr const char* kCopy = "Kopyala";
constexpr const char* kCopyHint = "Ctrl+C seçili hücreleri (seçim yoksa bütün tabloyu) sekmeyle ayrılmış kopyalar.";
constexpr const char* kNotAnExport = "adı .png, .svg ya da .csv ile bitmeli";
// The lines above the tabs: the summary or the note that there is no solution, then the inputs-changed
// note, which may take two.
constexpr int kHeaderLines = 3;

// Names without Turkish letters travel safely to any file system and program.
const char* SuggestedName(ResultsTab tab) {
  switch (tab) {
    case ResultsTab::Circulation: return "dolasim";
    case ResultsTab::LocalLift: return "yerel-kaldirma";
    case ResultsTab::Angles: return "hucum-acilari";
    case ResultsTab::Polar: return "polar";
    case ResultsTab::Loads: return "yukler";
    case ResultsTab::Table: return "istasyonlar";
  }
  return "sonuclar";
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

QHBoxLayout* ExportRow(QWidget* button, QWidget* hint = nullptr) {
  auto* row = new QHBoxLayout;
  if (hint) row->addWidget(hint, 1);
  row->addStretch();
  row->addWidget(button);
  return row;
}

}  // namespace

ResultsWidget::ResultsWidget(ui::ResultsForm& results, QWidget* owner) : QWidget(owner, Qt::Window), results_(results) {
  setObjectName("Form_Results");
  setWindowTitle(ui::kResultsCaption);
  resize(kStartWidth, kStartHeight);
  for (ui::Control* control : results_.AllControls()) widgets_[control] = CreateControlWidget(*control, this);
  for (const ui::Label* note : {&results_.Label_NoSolution, &results_.Label_InputsChanged, &results_.Label_Stall,
                                &results_.Label_Polar, &results_.Label_Loads, &results_.Label_Polars,
                                &results_.Label_Xfoil, &results_.Label_Flaps, &results_.Label_Pins})
    static_cast<QLabel*>(WidgetOf(*note))->setWordWrap(true);

  tabs_ = new QTabWidget(this);
  const auto& r = results_;
  const std::vector<const ui::Control*> noControls;
  tabs_->addTab(ChartTab(ResultsTab::Circulation, noControls, nullptr), ui::ResultsTabCaption(ResultsTab::Circulation));
  tabs_->addTab(ChartTab(ResultsTab::LocalLift, {&r.Label_clmaxK, &r.Text_clmaxK, &r.Label_clmaxU, &r.Text_clmaxU},
                         &r.Label_Stall),
                ui::ResultsTabCaption(ResultsTab::LocalLift));
  tabs_->addTab(ChartTab(ResultsTab::Angles, noControls, nullptr), ui::ResultsTabCaption(ResultsTab::Angles));
  tabs_->addTab(ChartTab(ResultsTab::Polar,
                         {&r.Label_PolarVariable, &r.Label_PolarFrom, &r.Text_PolarFrom, &r.Label_PolarTo,
                          &r.Text_PolarTo, &r.Label_PolarStep, &r.Text_PolarStep, &r.Cmd_Polar},
                         &r.Label_Polar),
                ui::ResultsTabCaption(ResultsTab::Polar));
  tabs_->addTab(ChartTab(ResultsTab::Loads, {&r.Label_Rho, &r.Text_Rho}, &r.Label_Loads),
                ui::ResultsTabCaption(ResultsTab::Loads));
  tabs_->addTab(TableTab(), ui::ResultsTabCaption(ResultsTab::Table));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Header());
  auto* body = new QHBoxLayout;
  body->addWidget(SidePanel());
  body->addWidget(tabs_, 1);
  layout->addLayout(body, 1);

  xfoilRunner_ = new XfoilRunner(results_, this);
  results_.SetXfoilStarter([this](const xfoil::PolarRequest& request) { xfoilRunner_->Start(request); });
  results_.SetXfoilCancelHook([this] { xfoilRunner_->Cancel(); });
  results_.SetChangeHook([this](ui::Control& control) { Mirror(control); });
  results_.SetViewHook([this] { ShowViews(); });
  ShowViews();
}

ResultsWidget::~ResultsWidget() {
  // The form outlives this window: it must not call back into it.
  results_.SetChangeHook({});
  results_.SetViewHook({});
  results_.SetXfoilStarter({});
  results_.SetXfoilCancelHook({});
}

void ResultsWidget::Mirror(ui::Control& control) {
  MirrorControl(control, *WidgetOf(control));
  xfoilProgress_->setVisible(results_.XfoilRunning());
}

// The header keeps its room whether its lines say anything or not: the tabs below stay where they are.
QWidget* ResultsWidget::Header() {
  auto* header = new QWidget;
  auto* lines = new QVBoxLayout(header);
  lines->setContentsMargins(0, 0, 0, 0);
  for (const ui::Label* line : {&results_.Label_NoSolution, &results_.Label_Summary, &results_.Label_InputsChanged})
    lines->addWidget(WidgetOf(*line));
  lines->addStretch();
  header->setMinimumHeight(kHeaderLines * fontMetrics().lineSpacing() + (kHeaderLines - 1) * lines->spacing());
  static_cast<QLabel*>(WidgetOf(results_.Label_Summary))->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return header;
}

QWidget* ResultsWidget::SidePanel() {
  auto* panel = new QWidget;
  panel->setFixedWidth(kSidePanelWidth);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PinsGroup());
  layout->addWidget(PolarsGroup());
  layout->addWidget(FlapsGroup());
  layout->addStretch();
  return panel;
}

QWidget* ResultsWidget::OpenFileButton(ui::TextBox& box, const QString& filter, ui::CommandButton* then) {
  auto* button = new QPushButton(kOpenFile);
  const QString title = then ? kOpenPolar : kOpenCoordinates;
  connect(button, &QPushButton::clicked, this, [this, &box, filter, then, title] {
    const QString path = QFileDialog::getOpenFileName(this, title, QString(), filter);
    if (path.isEmpty()) return;
    box.SetText(QFile::encodeName(path).toStdString());  // the file system's bytes, as the form opens them
    if (then) then->Click();
  });
  return button;
}

QGroupBox* ResultsWidget::PolarsGroup() {
  ui::ResultsForm& r = results_;
  auto* group = static_cast<QGroupBox*>(WidgetOf(r.Frame_Polars));
  auto* grid = new QGridLayout(group);
  const auto row = [](std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) line->addWidget(widget);
    line->addStretch();
    return line;
  };
  grid->addWidget(WidgetOf(r.Label_PolarRoot), 0, 0);
  grid->addWidget(WidgetOf(r.Text_PolarRoot), 0, 1);
  grid->addWidget(OpenFileButton(r.Text_PolarRoot, kPolarFiles, &r.Cmd_PolarLoad), 0, 2);
  grid->addWidget(WidgetOf(r.Label_PolarTip), 1, 0);
  grid->addWidget(WidgetOf(r.Text_PolarTip), 1, 1);
  grid->addWidget(OpenFileButton(r.Text_PolarTip, kPolarFiles, &r.Cmd_PolarLoad), 1, 2);
  grid->addLayout(row({WidgetOf(r.Cmd_PolarLoad), WidgetOf(r.Cmd_PolarClear)}), 2, 0, 1, 3);
  grid->addWidget(WidgetOf(r.Label_Polars), 3, 0, 1, 3);
  grid->addWidget(WidgetOf(r.Label_XfoilSection), 4, 0);
  grid->addWidget(WidgetOf(r.Text_XfoilSection), 4, 1);
  grid->addWidget(OpenFileButton(r.Text_XfoilSection, kCoordinateFiles, nullptr), 4, 2);
  grid->addWidget(WidgetOf(r.Label_XfoilRe), 5, 0);
  WidgetOf(r.Text_XfoilRe)->setFixedWidth(r.Text_XfoilRe.Bounds().width);
  grid->addLayout(row({WidgetOf(r.Text_XfoilRe), WidgetOf(r.Option_XfoilRoot), WidgetOf(r.Option_XfoilTip)}), 5, 1, 1,
                  2);
  xfoilProgress_ = new QProgressBar;
  xfoilProgress_->setRange(0, 0);  // busy: XFoil does not tell how far it has to go
  xfoilProgress_->setVisible(false);
  grid->addLayout(row({WidgetOf(r.Cmd_Xfoil), WidgetOf(r.Cmd_XfoilCancel), xfoilProgress_}), 6, 0, 1, 3);
  grid->addWidget(WidgetOf(r.Label_Xfoil), 7, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

QGroupBox* ResultsWidget::PinsGroup() {
  ui::ResultsForm& r = results_;
  auto* group = static_cast<QGroupBox*>(WidgetOf(r.Frame_Pins));
  auto* grid = new QGridLayout(group);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(WidgetOf(r.Cmd_Pin));
  buttons->addWidget(WidgetOf(r.Cmd_ClearPins));
  buttons->addStretch();
  grid->addLayout(buttons, 0, 0);
  grid->addWidget(WidgetOf(r.Label_Pins), 1, 0);
  return group;
}

QGroupBox* ResultsWidget::FlapsGroup() {
  ui::ResultsForm& r = results_;
  auto* group = static_cast<QGroupBox*>(WidgetOf(r.Frame_Flaps));
  auto* grid = new QGridLayout(group);
  int column = 1;
  for (const ui::Label* heading : {&r.Label_FlapY1, &r.Label_FlapY2, &r.Label_FlapE, &r.Label_FlapDelta})
    grid->addWidget(WidgetOf(*heading), 0, column++);
  for (std::size_t k = 0; k < r.Text_Flaps.size(); ++k) {
    const int line = static_cast<int>(k) + 1;
    grid->addWidget(new QLabel(QString::number(line)), line, 0);
    ui::FlapBoxes& boxes = r.Text_Flaps[k];
    column = 1;
    for (ui::TextBox* box : {&boxes.y1, &boxes.y2, &boxes.E, &boxes.delta})
      grid->addWidget(WidgetOf(*box), line, column++);
  }
  const int last = static_cast<int>(r.Text_Flaps.size()) + 1;
  grid->addWidget(WidgetOf(r.Cmd_Flaps), last, 1, 1, 2);
  grid->addWidget(WidgetOf(r.Label_Flaps), last + 1, 0, 1, 5);
  return group;
}

QWidget* ResultsWidget::WidgetOf(const ui::Control& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

QWidget* ResultsWidget::ChartTab(ResultsTab tab, const std::vector<const ui::Control*>& controlRow,
                                 const ui::Label* note) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  if (!controlRow.empty()) {
    auto* row = new QHBoxLayout;
    for (const ui::Control* control : controlRow) {
      QWidget* widget = WidgetOf(*control);
      // Boxes keep the width of a number; captions sit level with them.
      if (control->Kind() == ui::ControlKind::TextBox) widget->setFixedWidth(control->Bounds().width);
      if (auto* label = qobject_cast<QLabel*>(widget)) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      row->addWidget(widget);
    }
    row->addStretch();
    layout->addLayout(row);
  }
  if (note) layout->addWidget(WidgetOf(*note));
  layout->addWidget(new ChartView([this, tab]() -> const std::vector<charts::Chart>& { return results_.Charts(tab); },
                                  [this, tab] { ExportWithDialog(tab); }, page),
                    1);
  auto* button = new QPushButton(kExport, page);
  connect(button, &QPushButton::clicked, this, [this, tab] { ExportWithDialog(tab); });
  exportButtons_[tab] = button;
  layout->addLayout(ExportRow(button));
  return page;
}

QWidget* ResultsWidget::TableTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  table_ = new QTableWidget(page);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->verticalHeader()->hide();
  // Each column as wide as its widest cell of six significant digits: all fit at the window's start size.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // A pinned solution's wording takes a line a part.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->installEventFilter(this);
  layout->addWidget(table_, 1);

  auto* copyButton = new QPushButton(kCopy, page);
  connect(copyButton, &QPushButton::clicked, this, [this] { CopySelection(); });
  auto* exportButton = new QPushButton(kExport, page);
  connect(exportButton, &QPushButton::clicked, this, [this] { ExportWithDialog(ResultsTab::Table); });
  exportButtons_[ResultsTab::Table] = exportButton;
  auto* row = ExportRow(exportButton, new QLabel(kCopyHint, page));
  row->insertWidget(row->count() - 1, copyButton);
  layout->addLayout(row);
  return page;
}

void ResultsWidget::ShowViews() {
  const auto& header = results_.TableHeader();
  const auto& rows = results_.TableRows();
  table_->clear();
  table_->setColumnCount(static_cast<int>(header.size()));
  table_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t column = 0; column < header.size(); ++column)
    table_->setHorizontalHeaderItem(static_cast<int>(column), new QTableWidgetItem(ToQString(header[column])));
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      table_->setItem(static_cast<int>(row), static_cast<int>(column),
                      new QTableWidgetItem(ToQString(ui::TableCellText(rows[row][column]))));

  for (const auto& [tab, button] : exportButtons_)
    button->setEnabled(tab == ResultsTab::Table ? !rows.empty() : !results_.Charts(tab).empty());
  update();
  for (QWidget* child : findChildren<ChartView*>()) child->update();
}

QString ResultsWidget::Export(ResultsTab tab, const QString& path) const {
  const std::string name = path.toStdString();
  std::string content;
  if (QFileInfo(path).suffix().compare(kCsvFile.suffix, Qt::CaseInsensitive) == 0) {
    content = results_.Csv(tab);
  } else if (const auto format = charts::ImageFormatOf(name); format && tab != ResultsTab::Table) {
    content = chartpaint::EncodeCharts(results_.Charts(tab), chartpaint::kChartFileSize, *format).toStdString();
  } else {
    return kNotAnExport;
  }
  return ToQString(WriteFileReplacing(name, content).Message());
}

void ResultsWidget::ExportWithDialog(ResultsTab tab) {
  const QList<FileType> types =
      tab == ResultsTab::Table ? QList<FileType>{kCsvFile} : QList<FileType>{kPngFile, kSvgFile, kCsvFile};
  const QString suggested = QString(SuggestedName(tab)) + "." + types.front().suffix;
  SaveOrTell(this, AskSavePath(this, suggested, types), [this, tab](const QString& path) { return Export(tab, path); });
}

bool ResultsWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    CopySelection();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ResultsWidget::CopySelection() const {
  std::set<int> rows, columns;
  for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
    rows.insert(index.row());
    columns.insert(index.column());
  }
  if (rows.empty()) {
    for (int row = 0; row < table_->rowCount(); ++row) rows.insert(row);
    for (int column = 0; column < table_->columnCount(); ++column) columns.insert(column);
  }
  const std::vector<int> rowList(rows.begin(), rows.end()), columnList(columns.begin(), columns.end());
  QGuiApplication::clipboard()->setText(ToQString(results_.TableText(rowList, columnList)));
}

}  // namespace kelvane::app
