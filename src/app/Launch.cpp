#include "app/Launch.h"

#include <QApplication>
#include <QTimer>

namespace kelvane::app {
namespace {

constexpr const char* kDesignFontFamily = "DejaVu Sans Condensed";
constexpr double kDesignFontPoints = 8;

}  // namespace

void UseDesignFont(QApplication& application) {
  QFont font(kDesignFontFamily);
  font.setPointSizeF(kDesignFontPoints);
  application.setFont(font);
}

int RunKelvane(int argc, char** argv, std::function<void(ui::Form_Wing&, MainWindow&)> started) {
  QApplication application(argc, argv);
  UseDesignFont(application);
  ui::Form_Wing form;
  MainWindow window(form);
  // The widgets and hooks exist now, so start-up shows its texts and its planform.
  form.Form_Load();
  window.show();
  if (started) QTimer::singleShot(0, &window, [&] { started(form, window); });
  return application.exec();
}

}  // namespace kelvane::app
