// The file panel's drive and folder lists as Qt list widgets.
#include "app/FolderList.h"

#include "app/ControlWidgets.h"

namespace kelvane::app {
namespace {

constexpr int kIndentPerLevel = 2;  // spaces

}  // namespace

// Each entry keeps its folder's whole path as bytes.
FolderList::FolderList(ui::DirListBox& folders, QWidget* parent) : QListWidget(parent), folders_(folders) {
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { folders_.SetPath(RawName(*item).toStdString()); });
}

void FolderList::ShowFolder() {
  clear();
  int currentRow = -1;
  for (const ui::DirListBox::Entry& entry : folders_.Entries()) {
    NewNameItem(QString(entry.depth * kIndentPerLevel, ' ') + QString::fromStdString(entry.name), entry.path, this);
    if (entry.path == folders_.Path()) currentRow = count() - 1;
  }
  setCurrentRow(currentRow);
}

}  // namespace kelvane::app
