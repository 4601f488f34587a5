// The Qt widgets that stand for the form's controls: text boxes, check boxes, options, buttons, labels.
#include "app/ControlWidgets.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/FolderList.h"
#include "app/PainterSurface.h"
#include "app/PictureWidget.h"

namespace kelvane::app {
namespace {

using ui::ControlKind;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// Each kind of widget fills and writes with its own palette roles (buttons with Button, text boxes with Base).
void ApplyLook(const ui::Control& control, QWidget& widget) {
  const ui::Appearance& look = control.Look();
  QPalette palette = widget.palette();
  if (look.background) {
    palette.setColor(widget.backgroundRole(), ToQColor(*look.background));
    widget.setAutoFillBackground(true);
  }
  if (look.foreground) palette.setColor(widget.foregroundRole(), ToQColor(*look.foreground));
  widget.setPalette(palette);
  if (look.fontPoints > 0) {
    QFont font = widget.font();
    font.setPointSizeF(look.fontPoints);
    widget.setFont(font);
  }
}

// A caption is never condensed beyond this (percent of the normal width).
constexpr int kNarrowestStretch = 60;

// A label wraps its words only when it is tall enough for a second line; a one-line label is clipped instead.
void FitLabel(const ui::Control& control, QLabel& label) {
  label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label.setWordWrap(control.Bounds().height >= 2 * label.fontMetrics().lineSpacing());
}

// A one-line caption wider than the room its control gives it is condensed until it fits, so that its end
// (often an "=") is not hidden under the box beside it. The layout's sizes were made for a narrower font.
// The widest stretch that fits is taken. Each stretch is a font to load (a good part of the start-up), so
// the search starts where the width, in proportion to the stretch, meets the room.
void FitCaption(QWidget& widget) {
  const QString caption = CaptionText(widget);
  if (caption.isEmpty()) return;
  const int room = CaptionRect(widget).width();
  QFont font = widget.font();
  const auto widthAt = [&font, &caption](int stretch) {
    font.setStretch(stretch);
    return QFontMetricsF(font).horizontalAdvance(caption);
  };
  if (QFontMetricsF(font).horizontalAdvance(caption) > room) {
    constexpr int kWidest = QFont::Unstretched - 1;
    int stretch = std::clamp(static_cast<int>(QFont::Unstretched * room / widthAt(QFont::Unstretched)),
                             kNarrowestStretch, kWidest);
    while (stretch > kNarrowestStretch && widthAt(stretch) > room) --stretch;
    font.setStretch(stretch);
  }
  widget.setFont(font);
}

// A box shows the start of its text whenever the focus leaves it, like a text the program put in.
class TextBoxEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
  }
};

QWidget* CreateTextBox(ui::TextBox& box, QWidget* parent) {
  auto* edit = new TextBoxEdit(parent);
  // Every keystroke reaches the form, so a box with a change reaction reacts as the user types.
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [&box](const QString& text) { box.SetText(text.toStdString()); });
  return edit;
}

QWidget* CreateCheckBox(ui::CheckBox& box, QWidget* parent) {
  auto* check = new QCheckBox(parent);
  QObject::connect(check, &QCheckBox::clicked, check, [&box](bool ticked) { box.SetValue(ticked ? 1 : 0); });
  return check;
}

QWidget* CreateOptionButton(ui::OptionButton& option, QWidget* parent) {
  auto* radio = new QRadioButton(parent);
  // The form keeps the options of a frame exclusive; Qt's own exclusivity would forbid "none selected".
  radio->setAutoExclusive(false);
  QObject::connect(radio, &QRadioButton::clicked, radio, [&option, radio] {
    option.Click();
    MirrorControl(option, *radio);  // a click on the selected option must leave it selected
  });
  return radio;
}

QWidget* CreateCommandButton(ui::CommandButton& command, QWidget* parent) {
  auto* button = new QPushButton(parent);
  QObject::connect(button, &QPushButton::clicked, button, [&command] { command.Click(); });
  return button;
}

QWidget* CreateDriveList(ui::DriveListBox& drives, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  for (const std::string& drive : drives.Drives()) combo->addItem(ToQString(drive));
  QObject::connect(combo, &QComboBox::textActivated, combo,
                   [&drives](const QString& drive) { drives.SetDrive(drive.toStdString()); });
  return combo;
}

QWidget* CreateFileList(ui::FileListBox& files, QWidget* parent) {
  auto* list = new QListWidget(parent);
  QObject::connect(list, &QListWidget::itemClicked, list,
                   [&files](QListWidgetItem* item) { files.Click(RawName(*item).toStdString()); });
  return list;
}

QWidget* CreateByKind(ui::Control& control, QWidget* parent) {
  switch (control.Kind()) {
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(parent);
      frame->setAutoFillBackground(true);  // a frame hides what lies under it, such as the file panel's pictures
      return frame;
    }
    case ControlKind::Label: return new QLabel(parent);
    case ControlKind::TextBox: return CreateTextBox(static_cast<ui::TextBox&>(control), parent);
    case ControlKind::CheckBox: return CreateCheckBox(static_cast<ui::CheckBox&>(control), parent);
    case ControlKind::OptionButton: return CreateOptionButton(static_cast<ui::OptionButton&>(control), parent);
    case ControlKind::CommandButton: return CreateCommandButton(static_cast<ui::CommandButton&>(control), parent);
    case ControlKind::PictureBox: return new PictureWidget(static_cast<ui::PictureBox&>(control), parent);
    case ControlKind::DriveList: return CreateDriveList(static_cast<ui::DriveListBox&>(control), parent);
    case ControlKind::DirList: return new FolderList(static_cast<ui::DirListBox&>(control), parent);
    case ControlKind::FileList: return CreateFileList(static_cast<ui::FileListBox&>(control), parent);
  }
  return nullptr;
}

}  // namespace

QWidget* CreateControlWidget(ui::Control& control, QWidget* parent) {
  QWidget* widget = CreateByKind(control, parent);
  widget->setObjectName(ToQString(control.Name()));
  const ui::Geometry& bounds = control.Bounds();
  widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
  ApplyLook(control, *widget);
  if (auto* label = qobject_cast<QLabel*>(widget)) FitLabel(control, *label);
  MirrorControl(control, *widget);
  FitCaption(*widget);
  return widget;
}

QByteArray RawName(const QListWidgetItem& item) { return item.data(kRawNameRole).toByteArray(); }

QListWidgetItem* NewNameItem(const QString& shown, const std::string& raw, QListWidget* list) {
  auto* item = new QListWidgetItem(shown, list);
  item->setData(kRawNameRole, QByteArray::fromStdString(raw));
  return item;
}

QString CaptionText(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (!label->wordWrap()) return label->text().trimmed();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
      return button->text().trimmed();
  }
  return {};
}

QRect CaptionRect(const QWidget& widget) {
  const auto* button = qobject_cast<const QAbstractButton*>(&widget);
  if (!button) return widget.contentsRect();
  QStyleOptionButton option;
  option.initFrom(button);
  const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
  return widget.style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option,
                                        button);
}

}  // namespace kelvane::app
