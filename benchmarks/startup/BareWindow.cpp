// The yardstick for the window's start-up: a bare Qt main window, shown, and nothing else; with "--text",
// one line of text in it, so that Qt starts its font database as for any window with text.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstring>

#include "StartupReport.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) window.setCentralWidget(new QLabel("Kelvane"));
  window.show();
  QTimer::singleShot(0, &window, [] { kelvane::bench::ReportStartedAndQuit(); });
  return application.exec();
}
