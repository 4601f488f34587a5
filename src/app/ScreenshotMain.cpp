// Saves the main window after one solution, the About window, and the main window with the file panel open,
// as PNG files in the given folder.
#include <cstdio>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/AboutWidget.h"
#include "app/Launch.h"

namespace {

using kelvane::app::MainWindow;
using kelvane::ui::Form_Wing;
using kelvane::ui::MenuItem;

bool Save(QWidget& widget, const QDir& folder, const char* name) {
  QApplication::processEvents();
  const QString path = folder.filePath(name);
  const bool saved = widget.grab().save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
  return saved;
}

void Choose(MainWindow& window, const MenuItem& item) {
  window.findChild<QAction*>(QString::fromStdString(item.Name()))->trigger();
}

bool SaveAll(Form_Wing& form, MainWindow& window, const QDir& folder) {
  static_cast<QAbstractButton*>(window.WidgetOf(form.PLL))->click();
  if (!Save(window, folder, "main.png")) return false;
  Choose(window, form.Mn_About);
  if (!Save(*window.About(), folder, "about.png")) return false;
  Choose(window, form.Mn_Open);
  return Save(window, folder, "panel.png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  return kelvane::app::RunKelvane(argc, argv, [&folder](Form_Wing& form, MainWindow& window) {
    QApplication::exit(folder.mkpath(".") && SaveAll(form, window, folder) ? 0 : 1);
  });
}
