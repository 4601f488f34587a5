// The folder list: the chain of folders from the root down to the current one, then its subfolders,
// each indented by its depth. Activating an entry (double click or Enter) moves the list there.
#pragma once

#include <QListWidget>

#include "ui/Controls.h"

namespace kelvane::app {

class FolderList : public QListWidget {
 public:
  FolderList(ui::DirListBox& folders, QWidget* parent);
  // Lists the folder the control holds now.
  void ShowFolder();

 private:
  ui::DirListBox& folders_;
};

}  // namespace kelvane::app
