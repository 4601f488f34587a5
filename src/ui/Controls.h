// Toolkit-neutral controls: each keeps what the window shows (text or caption, visibility, check value,
// option state, geometry) and runs its reaction when the user, or the program, changes it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "graphics/PlotSurface.h"

namespace kelvane::ui {

class Control;

// Told about every change of a control's state, so a front end can mirror it.
using ChangeHook = std::function<void(Control&)>;
using Reaction = std::function<void()>;

// A control without a reaction for an event simply ignores it.
inline void RunReaction(const Reaction& reaction) {
  if (reaction) reaction();
}

enum class ControlKind {
  Frame,
  Label,
  TextBox,
  CheckBox,
  OptionButton,
  CommandButton,
  PictureBox,
  DriveList,
  DirList,
  FileList
};

// Position and size in client pixels at 96 dpi, relative to the containing frame (or the client area).
struct Geometry {
  int left = 0, top = 0, width = 0, height = 0;
};

struct Appearance {
  std::optional<Color> background;  // none: the system colour
  std::optional<Color> foreground;
  double fontPoints = 0;  // 0: the default user-interface font
};

// Markers for system colours: a front end shows its own palette's colour where a control carries one.
inline constexpr Color kSystemMenuColor{240, 240, 240};
inline constexpr Color kSystemWindowColor{255, 255, 255};

class Control {
 public:
  Control(ControlKind kind, std::string name, Control* parent, Geometry geometry, std::string caption = {});
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  const Geometry& Bounds() const { return geometry_; }
  Appearance& Look() { return look_; }
  const Appearance& Look() const { return look_; }

  // The control's own visibility flag; a control inside a hidden frame keeps its flag but is not on view.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Shown() const;  // visible, and every containing frame too

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  void SetChangeHook(const ChangeHook* hook) { hook_ = hook; }

 protected:
  void NotifyChanged();

 private:
  ControlKind kind_;
  std::string name_;
  Control* parent_;
  std::vector<Control*> children_;
  Geometry geometry_;
  Appearance look_;
  bool visible_ = true;
  std::string caption_;
  const ChangeHook* hook_ = nullptr;
};

class Frame : public Control {
 public:
  Frame(std::string name, Control* parent, Geometry geometry, std::string caption = {})
      : Control(ControlKind::Frame, std::move(name), parent, geometry, std::move(caption)) {}
};

class Label : public Control {
 public:
  Label(std::string name, Control* parent, Geometry geometry, std::string caption)
      : Control(ControlKind::Label, std::move(name), parent, geometry, std::move(caption)) {}
};

class TextBox : public Control {
 public:
  TextBox(std::string name, Control* parent, Geometry geometry, std::string text = {});
  const std::string& Text() const { return text_; }
  // The text the box was made with, before any start-up value.
  const std::string& DesignText() const { return designText_; }
  // Typing and setting from code are the same: the text changes, then the change reaction runs.
  void SetText(std::string text);
  // A number as the box shows it: the plain number text, then the change reaction as for any text.
  void ShowNumber(double value);
  // A locked box shows text that the user can select and copy but not change.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  Reaction OnChange;

 private:
  std::string text_;
  std::string designText_;
  bool locked_ = false;
};

// The check box state that ticks it; the greyed state 2 does not count as ticked.
inline constexpr int kTicked = 1;

class CheckBox : public Control {
 public:
  CheckBox(std::string name, Control* parent, Geometry geometry, std::string caption);
  int Value() const { return value_; }  // 0 not ticked, 1 ticked, 2 greyed
  // A new value (by a click or from code) runs the change reaction.
  void SetValue(int value);
  Reaction OnChange;

 private:
  int value_ = 0;
};

// Option buttons are exclusive among the option buttons of the same frame.
class OptionButton : public Control {
 public:
  OptionButton(std::string name, Control* parent, Geometry geometry, std::string caption);
  bool Value() const { return value_; }
  // Selecting (by a click or from code) deselects the others of the frame, then runs the click reaction;
  // deselecting runs no click reaction. Every option whose state changed runs its change reaction.
  void SetValue(bool selected);
  void Click() { SetValue(true); }
  Reaction OnClick;
  Reaction OnChange;

 private:
  bool value_ = false;
};

class CommandButton : public Control {
 public:
  CommandButton(std::string name, Control* parent, Geometry geometry, std::string caption);
  void Click();
  Reaction OnClick;
};

// A picture area: the plots draw on its recording surface; a front end replays the recording to paint.
class PictureBox : public Control {
 public:
  PictureBox(std::string name, Control* parent, Geometry geometry);
  RecordingSurface& Surface() { return surface_; }
  const RecordingSurface& Surface() const { return surface_; }
  // Tells the front end that the recording changed and the picture must be painted again.
  void Refresh() { NotifyChanged(); }
  // Forgets everything drawn: the picture shows its background alone, as before anything was drawn.
  void Clear();

 private:
  RecordingSurface surface_;
};

// The file panel's lists work on the real file system. There are no drive letters: the drive list offers
// the root only, and paths are joined with "/".
class DriveListBox : public Control {
 public:
  DriveListBox(std::string name, Control* parent, Geometry geometry);
  const std::string& Drive() const { return drive_; }
  std::vector<std::string> Drives() const;
  void SetDrive(std::string drive);  // runs OnChange
  Reaction OnChange;

 private:
  std::string drive_ = "/";
};

class DirListBox : public Control {
 public:
  DirListBox(std::string name, Control* parent, Geometry geometry);
  const std::string& Path() const { return path_; }
  void SetPath(std::string path);               // an absolute folder; runs OnChange
  std::vector<std::string> Subfolders() const;  // names, sorted, none beginning with a dot

  // What the list shows: the folders from the root down to the current one, then its subfolders, each
  // with its depth below the root.
  struct Entry {
    std::string path, name;
    int depth = 0;
  };
  std::vector<Entry> Entries() const;
  Reaction OnChange;

 private:
  std::string path_;
};

class FileListBox : public Control {
 public:
  FileListBox(std::string name, Control* parent, Geometry geometry, std::string pattern);
  const std::string& Path() const { return path_; }
  void SetPath(std::string path);  // lists the folder again
  const std::string& Pattern() const { return pattern_; }
  const std::vector<std::string>& Items() const { return items_; }  // matching file names, sorted
  void RefreshList();
  const std::string& FileName() const { return fileName_; }
  // A click on a name: it becomes FileName, then OnClick runs.
  void Click(const std::string& fileName);
  Reaction OnClick;

 private:
  std::string path_, pattern_, fileName_;
  std::vector<std::string> items_;
};

class MenuItem {
 public:
  // A shortcut is written as "Ctrl+R"; none when empty.
  MenuItem(std::string name, std::string caption, MenuItem* parent = nullptr, std::string shortcut = {});
  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  MenuItem* Parent() const { return parent_; }
  const std::string& Shortcut() const { return shortcut_; }
  void Click();
  Reaction OnClick;

 private:
  std::string name_, caption_;
  MenuItem* parent_;
  std::string shortcut_;
};

}  // namespace kelvane::ui
