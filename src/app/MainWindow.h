// The main window: the form's controls as widgets in a fixed client area below the menu bar. The form runs
// every reaction; this window forwards the user's actions to it and shows what it changed.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include <QMainWindow>

#include "ui/Form_Wing.h"

namespace kelvane::app {

class AboutWidget;
class ResultsWidget;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(ui::Form_Wing& form);
  ~MainWindow() override;

  QWidget* WidgetOf(const ui::Control& control) const;
  // Null until "About" was chosen.
  AboutWidget* About() const { return about_; }
  // Null until "Grafikler ve tablo" was chosen.
  ResultsWidget* Results() const { return results_; }

 protected:
  // Keys no control took, Escape among them, reach the form here.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls(QWidget* client);
  void BuildMenu();
  void Mirror(const ui::Control& control);
  void ShowMessage(const std::string& text);
  bool AskYesNo(const std::string& text);
  void ShowAbout(const ui::AboutWindow& about);
  void ShowResults();
  // Qt's file dialog for a project file; nothing when the user cancelled.
  std::optional<std::string> AskProjectPath(ui::PathRequest request);

  ui::Form_Wing& form_;
  std::unordered_map<const ui::Control*, QWidget*> widgets_;
  AboutWidget* about_ = nullptr;
  ResultsWidget* results_ = nullptr;
  QWidget* messageParent_ = this;  // the window a message box is centred on
};

}  // namespace kelvane::app
