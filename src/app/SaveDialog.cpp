// Saving a chart, a table or a project, and opening a project, through Qt's file dialogs.
#include "app/SaveDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "model/MessageText.h"

namespace kelvane::app {
namespace {

constexpr const char* kDialogTitle = "Kaydet";
constexpr const char* kMessageTitle = "Kelvane";

QString Filter(const FileType& type) { return type.description + " (*." + type.suffix + ")"; }

}  // namespace

QString AskSavePath(QWidget* parent, const QString& suggestedName, const QList<FileType>& types) {
  QStringList filters;
  for (const FileType& type : types) filters << Filter(type);
  QString chosenFilter = filters.value(0);
  QString path = QFileDialog::getSaveFileName(parent, kDialogTitle, suggestedName, filters.join(";;"), &chosenFilter);
  if (path.isEmpty()) return path;
  // A name that already ends in one of the types keeps it; a bare name takes the chosen type's.
  const QString suffix = QFileInfo(path).suffix();
  for (const FileType& type : types)
    if (suffix.compare(type.suffix, Qt::CaseInsensitive) == 0) return path;
  for (const FileType& type : types)
    if (Filter(type) == chosenFilter) return path + "." + type.suffix;
  return path;
}

QString AskOpenPath(QWidget* parent, const QString& title, const FileType& type) {
  return QFileDialog::getOpenFileName(parent, title, QString(), Filter(type));
}

void SaveOrTell(QWidget* parent, const QString& path, const std::function<QString(const QString&)>& save) {
  if (path.isEmpty()) return;
  const QString problem = save(path);
  if (problem.isEmpty()) return;
  const QString file = QString::fromStdString(PathForMessage(path.toStdString()));
  QMessageBox::warning(parent, kMessageTitle, file + " dosyası yazılamadı: " + problem);
}

}  // namespace kelvane::app
