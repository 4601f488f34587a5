// Keeping a widget and the form control it stands for showing the same thing, both ways.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/ControlWidgets.h"
#include "app/FolderList.h"

namespace kelvane::app {
namespace {

using ui::ControlKind;

// Check values 0, 1 and 2 are not ticked, ticked and greyed.
Qt::CheckState ToCheckState(int value) {
  switch (value) {
    case 1: return Qt::Checked;
    case 2: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
  }
}

void MirrorTextBox(const ui::TextBox& box, QLineEdit& edit) {
  edit.setReadOnly(box.Locked());
  const QString text = QString::fromStdString(box.Text());
  edit.setToolTip(text);  // the whole text, however narrow the box
  if (edit.text() == text) return;
  edit.setText(text);
  edit.setCursorPosition(0);  // a long number shows its first digits, not its last
}

void MirrorFileList(const ui::FileListBox& files, QListWidget& list) {
  QList<QByteArray> names;
  for (const std::string& name : files.Items()) names << QByteArray::fromStdString(name);
  QList<QByteArray> listed;
  for (int row = 0; row < list.count(); ++row) listed << RawName(*list.item(row));
  if (listed == names) return;
  list.clear();
  for (const std::string& name : files.Items()) NewNameItem(QString::fromStdString(name), name, &list);
}

}  // namespace

void MirrorControl(const ui::Control& control, QWidget& widget) {
  const QString caption = QString::fromStdString(control.Caption());
  switch (control.Kind()) {
    case ControlKind::Frame: static_cast<QGroupBox&>(widget).setTitle(caption); break;
    case ControlKind::Label: static_cast<QLabel&>(widget).setText(caption); break;
    case ControlKind::TextBox:
      MirrorTextBox(static_cast<const ui::TextBox&>(control), static_cast<QLineEdit&>(widget));
      break;
    case ControlKind::CheckBox: {
      auto& check = static_cast<QCheckBox&>(widget);
      check.setText(caption);
      check.setCheckState(ToCheckState(static_cast<const ui::CheckBox&>(control).Value()));
      break;
    }
    case ControlKind::OptionButton: {
      auto& radio = static_cast<QAbstractButton&>(widget);
      radio.setText(caption);
      radio.setChecked(static_cast<const ui::OptionButton&>(control).Value());
      break;
    }
    case ControlKind::CommandButton: static_cast<QAbstractButton&>(widget).setText(caption); break;
    case ControlKind::PictureBox: widget.update(); break;
    case ControlKind::DriveList: {
      auto& combo = static_cast<QComboBox&>(widget);
      combo.setCurrentText(QString::fromStdString(static_cast<const ui::DriveListBox&>(control).Drive()));
      break;
    }
    case ControlKind::DirList: static_cast<FolderList&>(widget).ShowFolder(); break;
    case ControlKind::FileList:
      MirrorFileList(static_cast<const ui::FileListBox&>(control), static_cast<QListWidget&>(widget));
      break;
  }
  widget.setVisible(control.Visible());
}

}  // namespace kelvane::app
