// Starting the window program: Qt, the main window and the form's start-up.
#include "app/Launch.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTimer>
#include <QTranslator>

namespace kelvane::app {
namespace {

constexpr const char* kDesktopEntryName = "kelvane";
constexpr const char* kDesignFontFamily = "DejaVu Sans Condensed";
constexpr double kDesignFontPoints = 8;
// Qt's translation of its base texts, as Debian's qt6-translations-l10n installs it.
constexpr const char* kQtTextsFile = "qtbase";
// Between a check box's or option's mark and its caption; the layout has no room for the usual six pixels.
constexpr int kMarkSpacing = 3;

class DesignStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing) return kMarkSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
  // A menu bar takes the arrow it shows when its menus do not fit as soon as it is made, and reading that
  // picture loads every image plugin Qt has. The fixed-size main window's menus always fit: no arrow.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton) return {};
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

}  // namespace

void UseDesignLook(QApplication& application) {
  QFont font(kDesignFontFamily);
  font.setPointSizeF(kDesignFontPoints);
  application.setFont(font);
  QApplication::setStyle(new DesignStyle);  // the application owns it
}

void UseTurkishQtTexts(QApplication& application) {
  auto* translator = new QTranslator(&application);  // the application owns it
  if (translator->load(QLocale(QLocale::Turkish, QLocale::Turkey), kQtTextsFile, "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

int RunKelvane(int argc, char** argv, std::function<void(ui::Form_Wing&, MainWindow&)> started) {
  QApplication application(argc, argv);
  // Desktops match the window to the installed kelvane.desktop and its icon.
  QGuiApplication::setDesktopFileName(kDesktopEntryName);
  QApplication::setWindowIcon(QIcon::fromTheme(kDesktopEntryName));
  UseDesignLook(application);
  UseTurkishQtTexts(application);
  ui::Form_Wing form;
  MainWindow window(form);
  // The widgets and hooks exist now, so start-up shows its texts and its planform.
  form.Form_Load();
  window.show();
  if (started) QTimer::singleShot(0, &window, [&] { started(form, window); });
  return application.exec();
}

}  // namespace kelvane::app
