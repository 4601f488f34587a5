// A started main window in a fresh working folder, and the user's actions on its widgets.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <memory>

#include "app/MainWindow.h"
#include "model/Module_ortak.h"
#include "support/ScopedWorkDir.h"
#include "ui/Form_Wing.h"

namespace kelvane::testing {

// Closes every modal message box that opens while it lives, keeping the texts, as a user pressing OK, or
// the button with the given caption where the box has one (a question's "Evet" or "Hayır").
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(QString answer = {}) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts_ << box->text();
        Choose(*box)->click();
      }
    });
    timer_.start(0);
  }
  void Answer(QString answer) { answer_ = std::move(answer); }
  const QStringList& Texts() const { return texts_; }

 private:
  QAbstractButton* Choose(QMessageBox& box) const {
    for (QAbstractButton* button : box.buttons())
      if (button->text() == answer_) return button;
    return box.button(QMessageBox::Ok);
  }

  QTimer timer_;
  QStringList texts_;
  QString answer_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<ui::Form_Wing>();
    window_ = std::make_unique<app::MainWindow>(*form_);
    form_->Form_Load();
    window_->show();
  }
  void TearDown() override {
    window_.reset();
    form_.reset();
  }

  template <typename W = QWidget>
  W* Widget(const ui::Control& control) const {
    return qobject_cast<W*>(window_->WidgetOf(control));
  }
  QString TextOf(const ui::Control& control) const { return Widget<QLineEdit>(control)->text(); }
  bool OnView(const ui::Control& control) const { return Widget(control)->isVisible(); }
  void Click(const ui::Control& control) const { Widget<QAbstractButton>(control)->click(); }
  void ChooseMenu(const ui::MenuItem& item) const {
    window_->findChild<QAction*>(QString::fromStdString(item.Name()))->trigger();
  }

  // Types into a box key by key, as the user does; an empty text first deletes what the box holds.
  void Type(const ui::Control& control, const QString& text) const {
    QLineEdit* edit = Widget<QLineEdit>(control);
    edit->setFocus();
    edit->selectAll();
    SendKey(edit, Qt::Key_Backspace, {});
    for (const QChar character : text) SendKey(edit, Qt::Key_unknown, character);
  }

  // Escape pressed while the control has the focus.
  void PressEscape(const ui::Control& control) const {
    QWidget* widget = Widget(control);
    widget->setFocus();
    SendKey(widget, Qt::Key_Escape, {});
  }

  ScopedWorkDir workDir_;
  std::unique_ptr<ui::Form_Wing> form_;
  std::unique_ptr<app::MainWindow> window_;

 private:
  static void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
  }
};

}  // namespace kelvane::testing
