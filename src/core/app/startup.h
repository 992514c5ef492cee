#pragma once
#include <functional>

#include "app/workspace.h"

namespace wk {

// Reads every settings file in the fixed start-up order into the workspace,
// each with its default when missing, and writes nothing. The command line
// starts with this alone.
void LoadSettings(Workspace& ws);

struct StartupHooks {
    // Opens the boilerplate dialog modally when no boilerplate exists yet;
    // answers false when the user chose to quit instead.
    std::function<bool(Workspace&)> openBoilerplateDialog;
};

enum class StartupResult { Ready, Quit };

// The desktop program's start-up: LoadSettings, then what the main window's
// controls do as they take the loaded values (the expert-mode toggle and the
// option boxes rewrite their files), the boilerplate dialog on a first run,
// and the first display of the tree and the style designer.
StartupResult StartUp(Workspace& ws, const StartupHooks& hooks = {});

}  // namespace wk
