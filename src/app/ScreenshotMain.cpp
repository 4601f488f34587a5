// Saves the main window after one solution, the About window, the main window with the file panel open,
// and every tab of the results window for a tapered wing, as PNG files in the given folder.
#include <cstdio>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "app/AboutWidget.h"
#include "app/Launch.h"
#include "app/ResultsWidget.h"

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

// A single tapered panel, so that the wing's curves and the elliptic wing's part; it is pinned, and a
// less tapered one solved beside it.
constexpr const char* kTipChordRatio = "0.4";
constexpr const char* kPinnedTipChordRatio = "0.7";
constexpr const char* kRootMaxLift = "1.4";
constexpr const char* kTipMaxLift = "1.2";

bool SaveResults(Form_Wing& form, MainWindow& window, const QDir& folder) {
  form.Command_Cancel.Click();
  form.Option_Trapez.Click();
  kelvane::ui::ResultsForm& results = form.Form_Results;
  for (const char* tipChordRatio : {kPinnedTipChordRatio, kTipChordRatio}) {
    form.Text_kc[1]->SetText(tipChordRatio);
    form.Cmd_Planform.Click();
    form.PLL.Click();
    Choose(window, form.Mn_Charts);
    results.Text_clmaxK.SetText(kRootMaxLift);
    results.Text_clmaxU.SetText(kTipMaxLift);
    results.Cmd_Polar.Click();
    if (tipChordRatio == kPinnedTipChordRatio) results.Cmd_Pin.Click();
  }
  QTabWidget& tabs = *window.Results()->Tabs();
  for (int tab = 0; tab < tabs.count(); ++tab) {
    tabs.setCurrentIndex(tab);
    const std::string name = "results-" + std::to_string(tab + 1) + ".png";
    if (!Save(*window.Results(), folder, name.c_str())) return false;
  }
  return true;
}

bool SaveAll(Form_Wing& form, MainWindow& window, const QDir& folder) {
  static_cast<QAbstractButton*>(window.WidgetOf(form.PLL))->click();
  if (!Save(window, folder, "main.png")) return false;
  Choose(window, form.Mn_About);
  if (!Save(*window.About(), folder, "about.png")) return false;
  Choose(window, form.Mn_Open);
  if (!Save(window, folder, "panel.png")) return false;
  return SaveResults(form, window, folder);
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
