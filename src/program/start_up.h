// The program's start-up, above every window: it names the application, makes
// the main window on the platform services it is given, greets the user and
// shows the window. main() hands it the Qt services; tests hand it fakes.
#pragma once

#include "app/platform.h"
#include "main_window/form1.h"

#include <memory>

namespace program {

// The application's organisation and name (which place its settings), its
// version and desktop entry (packaging/ names the entry after the same id).
// Needs no application object, so main() can name the program before it
// reads the command line.
void nameApplication();

// Names the application too, and opens fileToOpen (a loan file, .loan.json,
// or cash flows) in its window over the main window. Needs a QApplication;
// the caller runs the event loop and keeps the window.
std::unique_ptr<Form1> startUp(app::Platform& platform, const QString& fileToOpen = {});

}  // namespace program
