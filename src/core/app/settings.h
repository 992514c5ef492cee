#pragma once
// The application folder and the settings files read at start-up.
#include <string>

#include "ground/file_routines.h"
#include "app/workspace.h"

namespace wk {

// Where the settings files live: the folder given by --app-folder or
// WEBKESTRANE_APP_FOLDER; else the program's own folder when it can be
// written and the program is not installed (install_layout.h); else
// $XDG_CONFIG_HOME/webkestrane (~/.config/webkestrane), created on first use.
// An installed program's folder is shared by every user, and usually
// read-only, where settings written there would silently be lost.
struct FolderChoices {
    std::string option;           // --app-folder, empty when not given
    std::string environment;      // WEBKESTRANE_APP_FOLDER, empty when unset
    std::string executableFolder;
    std::string xdgConfigHome;    // empty when unset
    std::string home;
};
std::string ResolveApplicationFolder(const FolderChoices& choices);
// The same, read from the process environment.
std::string ApplicationFolder(const std::string& option, const std::string& executablePath);

// Writes a settings file; a failure is said once to the user through the
// workspace's notices, and the program goes on with the value in memory.
void SaveSetting(Workspace& ws, const std::string& name, const std::string& text);
void ReportSettingWrite(Workspace& ws, const WriteOutcome& outcome);
// The title under which the desktop program and the command line say a notice.
inline constexpr const char* kNoticeTitle = "Settings not saved";

// The single settings readers of the start-up table.
bool ReadCreditsSetting(const std::string& appFolder);
bool ReadExpertSetting(const std::string& appFolder);
std::string ReadAnchorSetting(const std::string& appFolder);  // empty: the default
std::string ReadFilterSetting(const std::string& appFolder);  // empty: the default
// proposals.sgt holds "classic" or "improved"; anything else is classic.
inline constexpr const char* kProposalsFile = "proposals.sgt";
ProposalMethod ReadProposalsSetting(const std::string& appFolder);
// keyboard.sgt holds 1 for keyboard and touch friendly menus; missing or anything else is off.
inline constexpr const char* kKeyboardMenusFile = "keyboard.sgt";
bool ReadKeyboardMenusSetting(const std::string& appFolder);
CommitOptions OptionsFromText(const std::string& text);
std::string OptionsText(const CommitOptions& options);

// Caption and tooltip of the anchor label.
std::string AnchorCaption(const PageOptions& options);

}  // namespace wk
