#include "app/startup.h"

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "app/commands_style.h"
#include "app/settings.h"
#include "app/tips.h"
#include "menu/menu_file.h"
#include "style/style_file.h"

namespace wk {

void LoadSettings(Workspace& ws) {
    ws.options.commit = OptionsFromText(ReadWholeFile(ws.appFolder, "Options.abn"));
    ws.status.credits = ReadCreditsSetting(ws.appFolder);
    ws.options.expert = ReadExpertSetting(ws.appFolder);
    ws.options.proposals = ReadProposalsSetting(ws.appFolder);
    ws.options.keyboardMenus = ReadKeyboardMenusSetting(ws.appFolder);
    if (std::string anchor = ReadAnchorSetting(ws.appFolder); !anchor.empty()) ws.options.anchor = anchor;
    if (std::string filter = ReadFilterSetting(ws.appFolder); !filter.empty()) {
        ws.options.filter = filter;
        ws.options.filterCaption = ws.options.filterTooltip = "Filter: " + filter;
    }
    if (FileExists(ws.appFolder, kBoilerplateFile)) ApplyBoilerplate(ws, ReadBoilerplate(ws.appFolder));
    LoadStyle(ws.appFolder, ws.style);
    LoadMenuTree(ws.appFolder, ws.tree);
    ws.tips.setting = ReadTipsSetting(ws.appFolder);
}

StartupResult StartUp(Workspace& ws, const StartupHooks& hooks) {
    LoadSettings(ws);
    // The expert-mode toggle runs once for the loaded state, rewriting its file.
    SetExpertMode(ws, ws.options.expert);
    // Ticking an option box runs its handler, which rewrites Options.abn.
    for (bool on : ws.options.commit) {
        if (on) {
            SetCommitOptions(ws, ws.options.commit);
            break;
        }
    }
    if (!FileExists(ws.appFolder, kBoilerplateFile) && hooks.openBoilerplateDialog &&
        !hooks.openBoilerplateDialog(ws))
        return StartupResult::Quit;
    // With a menu file the program starts in the large display.
    if (FileExists(ws.appFolder, kMenuFile)) ToggleMagnifier(ws);
    // The designer shows its first element even without a menu file, so its
    // controls never show values that belong to no element.
    SelectElement(ws);
    return StartupResult::Ready;
}

}  // namespace wk
