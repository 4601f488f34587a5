// The desktop's usual dialogs for the name of a file to save or to open, and the message when a file cannot
// be written. Kept apart from the saving itself, which tests call with a path.
#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace kelvane::app {

// One choice of the dialog's type list, "PNG resmi (*.png)", with the ending it gives a bare name.
struct FileType {
  QString description;
  QString suffix;  // "png"
};

inline const FileType kPngFile{"PNG resmi", "png"};
inline const FileType kSvgFile{"SVG çizimi", "svg"};
inline const FileType kCsvFile{"CSV tablosu", "csv"};
inline const FileType kProjectFile{"Kelvane projesi", "kelvane"};

// The chosen path, ending in the chosen type's suffix; empty when the user cancelled.
QString AskSavePath(QWidget* parent, const QString& suggestedName, const QList<FileType>& types);

// The chosen path of a file of the type to open; empty when the user cancelled.
QString AskOpenPath(QWidget* parent, const QString& title, const FileType& type);

// Saves with `save` (which returns an empty text or the reason for a failure) and tells the user of a
// failure in a message box.
void SaveOrTell(QWidget* parent, const QString& path, const std::function<QString(const QString&)>& save);

}  // namespace kelvane::app
