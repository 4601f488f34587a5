// The yardstick for the window's start-up: a bare Qt main window, shown, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include "StartupReport.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.show();
  QTimer::singleShot(0, &window, [] { kelvane::bench::ReportStartedAndQuit(); });
  return application.exec();
}
