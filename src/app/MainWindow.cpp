// The main window: the form's controls laid out as widgets, its menus and its message boxes.
#include "app/MainWindow.h"

#include <algorithm>

#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>

#include "app/AboutWidget.h"
#include "app/ControlWidgets.h"
#include "app/ResultsWidget.h"
#include "app/SaveDialog.h"

namespace kelvane::app {
namespace {

constexpr const char* kMessageTitle = "Kelvane";
constexpr const char* kYes = "Evet";
constexpr const char* kNo = "Hayır";
constexpr const char* kOpenProject = "Projeyi aç";
// The keys that press the solve button, from either window.
constexpr QKeyCombination kSolveKeys[] = {Qt::Key_F5, Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter};

}  // namespace

MainWindow::MainWindow(ui::Form_Wing& form) : form_(form) {
  setWindowTitle(ui::kWindowCaption);
  auto* client = new QWidget(this);
  client->setFixedSize(ui::kClientWidth, ui::kClientHeight);
  setCentralWidget(client);
  // The client area is fixed, so the window is too; the menu bar sits above it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  BuildControls(client);
  BuildMenu();
  for (const QKeyCombination keys : kSolveKeys)
    new QShortcut(
        keys, this, [this] { static_cast<QPushButton*>(WidgetOf(form_.PLL))->click(); }, Qt::ApplicationShortcut);
  form_.SetChangeHook([this](ui::Control& control) { Mirror(control); });
  form_.SetMessageHook([this](const std::string& text) { ShowMessage(text); });
  form_.SetQuestionHook([this](const std::string& text) { return AskYesNo(text); });
  form_.SetAboutHook([this](ui::AboutWindow& about) { ShowAbout(about); });
  form_.SetPathHook([this](ui::PathRequest request) { return AskProjectPath(request); });
  form_.Form_Results.SetOpenHook([this] { ShowResults(); });
  // The results window's messages are the form's too; their boxes are centred on the window they come from.
  form_.Form_Results.SetMessageHook([this](const std::string& text) {
    const QScopedValueRollback parent(messageParent_, results_ ? static_cast<QWidget*>(results_) : this);
    form_.MsgBox(text);
  });
}

MainWindow::~MainWindow() {
  // The form may outlive this window: it must not call back into it.
  form_.SetChangeHook({});
  form_.SetMessageHook({});
  form_.SetQuestionHook({});
  form_.SetAboutHook({});
  form_.SetPathHook({});
  form_.Form_Results.SetOpenHook({});
  // Its results window's messages go to the form alone again, as the form sends them.
  form_.Form_Results.SetMessageHook([&form = form_](const std::string& text) { form.MsgBox(text); });
}

QWidget* MainWindow::WidgetOf(const ui::Control& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

void MainWindow::BuildControls(QWidget* client) {
  // Parents come before their children, so a frame's widget exists when its controls are placed in it.
  for (ui::Control* control : form_.AllControls()) {
    QWidget* parent = control->Parent() ? WidgetOf(*control->Parent()) : client;
    widgets_[control] = CreateControlWidget(*control, parent);
  }
  // The file panel lies over the pictures when it is shown.
  WidgetOf(form_.Frm_IO)->raise();
}

void MainWindow::BuildMenu() {
  const std::vector<ui::MenuItem*>& items = form_.AllMenuItems();
  std::unordered_map<const ui::MenuItem*, QMenu*> submenus;
  for (ui::MenuItem* item : items) {
    QWidget* container = item->Parent() ? static_cast<QWidget*>(submenus.at(item->Parent())) : menuBar();
    const QString caption = QString::fromStdString(item->Caption());
    const bool hasSubmenu =
        std::any_of(items.begin(), items.end(), [item](const ui::MenuItem* other) { return other->Parent() == item; });
    QAction* action = nullptr;
    if (hasSubmenu) {
      auto* submenu = new QMenu(caption, container);
      submenus[item] = submenu;
      action = submenu->menuAction();
    } else {
      action = new QAction(caption, container);
      connect(action, &QAction::triggered, this, [item] { item->Click(); });
    }
    action->setObjectName(QString::fromStdString(item->Name()));
    if (!item->Shortcut().empty()) action->setShortcut(QKeySequence(QString::fromStdString(item->Shortcut())));
    container->addAction(action);
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  form_.Form_KeyEscape();
  event->accept();
}

void MainWindow::Mirror(const ui::Control& control) {
  if (QWidget* widget = WidgetOf(control)) MirrorControl(control, *widget);
}

void MainWindow::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, kMessageTitle, QString::fromStdString(text), QMessageBox::Ok, messageParent_);
  box.exec();
}

// No is the default and the answer to Escape: nothing is replaced by a slip of the hand.
bool MainWindow::AskYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, kMessageTitle, QString::fromStdString(text), QMessageBox::NoButton, this);
  QPushButton* yes = box.addButton(kYes, QMessageBox::YesRole);
  QPushButton* no = box.addButton(kNo, QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

// One results window for the whole run: created on first use, shown and raised afterwards.
void MainWindow::ShowResults() {
  if (!results_) results_ = new ResultsWidget(form_.Form_Results, this);
  results_->show();
  results_->raise();
  results_->activateWindow();
}

// A name that does not end in ".kelvane" gets it: kelvane-solve and the Python module know a project by it.
std::optional<std::string> MainWindow::AskProjectPath(ui::PathRequest request) {
  const QString path = request == ui::PathRequest::OpenProject ? AskOpenPath(this, kOpenProject, kProjectFile)
                                                               : AskSavePath(this, QString(), {kProjectFile});
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();  // the file system's bytes, as the form opens them
}

void MainWindow::ShowAbout(const ui::AboutWindow& about) {
  if (!about_) about_ = new AboutWidget(about, this);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace kelvane::app
