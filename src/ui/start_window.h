#pragma once
// The desktop program's start-up: the settings, the boilerplate dialog on a
// first run, then the main window (not yet shown).
#include <memory>

namespace wk {
struct Workspace;
}

namespace wk::ui {

class MainWindow;

// Nothing when the user chose to quit in the boilerplate dialog.
std::unique_ptr<MainWindow> StartMainWindow(Workspace& ws);

}  // namespace wk::ui
