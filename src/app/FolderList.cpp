#include "app/FolderList.h"

namespace kelvane::app {
namespace {

constexpr int kIndentPerLevel = 2;  // spaces
constexpr int kPathRole = Qt::UserRole;

}  // namespace

FolderList::FolderList(ui::DirListBox& folders, QWidget* parent) : QListWidget(parent), folders_(folders) {
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    folders_.SetPath(item->data(kPathRole).toString().toStdString());
  });
}

void FolderList::ShowFolder() {
  clear();
  int currentRow = -1;
  for (const ui::DirListBox::Entry& entry : folders_.Entries()) {
    auto* item = new QListWidgetItem(
        QString(entry.depth * kIndentPerLevel, ' ') + QString::fromStdString(entry.name), this);
    item->setData(kPathRole, QString::fromStdString(entry.path));
    if (entry.path == folders_.Path()) currentRow = count() - 1;
  }
  setCurrentRow(currentRow);
}

}  // namespace kelvane::app
