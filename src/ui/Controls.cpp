// The form's controls: their state, their change and click reactions, and the notices to a front end.
#include "ui/Controls.h"

#include <utility>

#include "model/Numbers.h"

namespace kelvane::ui {
namespace {

constexpr int kUnchecked = 0;
constexpr int kGreyed = 2;

}  // namespace

Control::Control(ControlKind kind, std::string name, Control* parent, Geometry geometry, std::string caption)
    : kind_(kind), name_(std::move(name)), parent_(parent), geometry_(geometry), caption_(std::move(caption)) {
  if (parent_) parent_->children_.push_back(this);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  NotifyChanged();
}

bool Control::Shown() const { return visible_ && (!parent_ || parent_->Shown()); }

void Control::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  NotifyChanged();
}

void Control::NotifyChanged() {
  if (hook_ && *hook_) (*hook_)(*this);
}

TextBox::TextBox(std::string name, Control* parent, Geometry geometry, std::string text)
    : Control(ControlKind::TextBox, std::move(name), parent, geometry), text_(std::move(text)), designText_(text_) {}

// Like a real text box, putting in the text it already holds is no change and runs no reaction.
void TextBox::SetText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  NotifyChanged();
  RunReaction(OnChange);
}

void TextBox::ShowNumber(double value) { SetText(PlainNumberText(value)); }

void TextBox::SetLocked(bool locked) {
  if (locked_ == locked) return;
  locked_ = locked;
  NotifyChanged();
}

CheckBox::CheckBox(std::string name, Control* parent, Geometry geometry, std::string caption)
    : Control(ControlKind::CheckBox, std::move(name), parent, geometry, std::move(caption)) {}

// A value outside 0..2 is not a state of a check box; it is ignored and the box keeps its state.
void CheckBox::SetValue(int value) {
  if (value < kUnchecked || value > kGreyed || value == value_) return;
  value_ = value;
  NotifyChanged();
  RunReaction(OnChange);
}

OptionButton::OptionButton(std::string name, Control* parent, Geometry geometry, std::string caption)
    : Control(ControlKind::OptionButton, std::move(name), parent, geometry, std::move(caption)) {}

void OptionButton::SetValue(bool selected) {
  if (!selected) {
    if (!value_) return;
    value_ = false;
    NotifyChanged();
    RunReaction(OnChange);
    return;
  }
  if (Parent()) {
    for (Control* sibling : Parent()->Children()) {
      if (sibling != this && sibling->Kind() == ControlKind::OptionButton)
        static_cast<OptionButton*>(sibling)->SetValue(false);
    }
  }
  if (!value_) {
    value_ = true;
    NotifyChanged();
    RunReaction(OnChange);
  }
  // A click on the option already selected still runs its reaction, as the user's click would.
  RunReaction(OnClick);
}

CommandButton::CommandButton(std::string name, Control* parent, Geometry geometry, std::string caption)
    : Control(ControlKind::CommandButton, std::move(name), parent, geometry, std::move(caption)) {}

void CommandButton::Click() { RunReaction(OnClick); }

PictureBox::PictureBox(std::string name, Control* parent, Geometry geometry)
    : Control(ControlKind::PictureBox, std::move(name), parent, geometry) {}

void PictureBox::Clear() {
  surface_ = RecordingSurface{};
  Refresh();
}

MenuItem::MenuItem(std::string name, std::string caption, MenuItem* parent, std::string shortcut)
    : name_(std::move(name)), caption_(std::move(caption)), parent_(parent), shortcut_(std::move(shortcut)) {}

void MenuItem::Click() { RunReaction(OnClick); }

}  // namespace kelvane::ui
