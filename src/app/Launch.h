// Starting the program: the application, the main window over a fresh form, start-up, the event loop.
#pragma once

#include <functional>

#include "app/MainWindow.h"

class QApplication;

namespace kelvane::app {

// The layout's sizes are made for a small user-interface font and a narrow gap beside check marks;
// captions must fit their controls.
void UseDesignLook(QApplication& application);

// Qt's own texts (the standard buttons, the file dialog, the edit menu) in Turkish, from Debian's
// translations of Qt; without them installed, Qt's English stays.
void UseTurkishQtTexts(QApplication& application);

// Runs until the windows are closed; `started` runs once the window is on view, from the event loop.
int RunKelvane(int argc, char** argv, std::function<void(ui::Form_Wing&, MainWindow&)> started = {});

}  // namespace kelvane::app
