// The window program's start-up as the program runs it (the same libraries and the same launch), reporting
// once the main window is on view.
#include "StartupReport.h"
#include "app/Launch.h"

int main(int argc, char** argv) {
  return kelvane::app::RunKelvane(argc, argv, [](auto&, auto&) { kelvane::bench::ReportStartedAndQuit(); });
}
