#include "app/FolderList.h"

#include <filesystem>

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

void FolderList::AddEntry(const std::string& path, const QString& name, int depth) {
  auto* item = new QListWidgetItem(QString(depth * kIndentPerLevel, ' ') + name, this);
  item->setData(kPathRole, QString::fromStdString(path));
}

void FolderList::ShowFolder() {
  clear();
  const std::filesystem::path current(folders_.Path());
  std::filesystem::path chain;
  int depth = 0;
  for (const auto& part : current) {
    if (part.empty()) continue;  // a trailing separator
    chain /= part;
    AddEntry(chain.string(), QString::fromStdString(part.string()), depth++);
  }
  setCurrentRow(count() - 1);
  for (const std::string& name : folders_.Subfolders()) {
    AddEntry((current / name).string(), QString::fromStdString(name), depth);
  }
}

}  // namespace kelvane::app
