// The results window: a modeless, resizable window with a tab per chart, the polar, the loads and the
// station table, beside the pins' group, the section polars' group and the flap table. The form holds its
// state and runs its reactions; this widget shows them, asks for files, runs XFoil off the window's thread
// and exports.
#pragma once

#include <unordered_map>

#include <QString>
#include <QWidget>

#include "ui/ResultsForm.h"

class QGroupBox;
class QProgressBar;
class QTabWidget;
class QTableWidget;

namespace kelvane::app {

class XfoilRunner;

class ResultsWidget : public QWidget {
  Q_OBJECT

 public:
  ResultsWidget(ui::ResultsForm& results, QWidget* owner);
  ~ResultsWidget() override;

  QTabWidget* Tabs() const { return tabs_; }
  // Shown while XFoil runs.
  QProgressBar* XfoilProgress() const { return xfoilProgress_; }
  QTableWidget* Table() const { return table_; }
  QWidget* WidgetOf(const ui::Control& control) const;

  // Writes the tab's charts as PNG or SVG (800 x 500 pixels, as the batch tool does) or its points as
  // CSV, by the name's ending; an empty text, or the reason it failed.
  QString Export(ui::ResultsTab tab, const QString& path) const;
  // The selected cells of the table, or the whole table when none is, to the clipboard as
  // tab-separated lines.
  void CopySelection() const;

 protected:
  // Ctrl+C on the table copies the selection, not only the current cell as the table itself would.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* ChartTab(ui::ResultsTab tab, const std::vector<const ui::Control*>& controlRow, const ui::Label* note);
  QWidget* TableTab();
  // The summary and the notes above the tabs.
  QWidget* Header();
  QWidget* SidePanel();
  // The two pin buttons and how many are pinned.
  QGroupBox* PinsGroup();
  QGroupBox* PolarsGroup();
  QGroupBox* FlapsGroup();
  // A button that asks for a file to open and puts its name into the box, then runs `then` if given.
  QWidget* OpenFileButton(ui::TextBox& box, const QString& filter, ui::CommandButton* then);
  // A control changed: its widget, and the progress bar that follows XFoil's run.
  void Mirror(ui::Control& control);
  void ExportWithDialog(ui::ResultsTab tab);
  // The table, the charts and which exports are possible, after the form replaced its views.
  void ShowViews();

  ui::ResultsForm& results_;
  std::unordered_map<const ui::Control*, QWidget*> widgets_;
  std::unordered_map<ui::ResultsTab, QWidget*> exportButtons_;
  QTabWidget* tabs_ = nullptr;
  QTableWidget* table_ = nullptr;
  QProgressBar* xfoilProgress_ = nullptr;
  XfoilRunner* xfoilRunner_ = nullptr;
};

}  // namespace kelvane::app
