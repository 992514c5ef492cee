#include "ui/start_window.h"

#include "app/startup.h"
#include "ui/boilerplate_dialog.h"
#include "ui/main_window.h"

namespace wk::ui {

std::unique_ptr<MainWindow> StartMainWindow(Workspace& ws) {
    StartupHooks hooks;
    hooks.openBoilerplateDialog = [](Workspace& workspace) {
        BoilerplateDialog dialog(workspace);
        return dialog.run() != BoilerplateDialog::Outcome::Quit;
    };
    if (StartUp(ws, hooks) == StartupResult::Quit) return nullptr;
    return std::make_unique<MainWindow>(ws);
}

}  // namespace wk::ui
