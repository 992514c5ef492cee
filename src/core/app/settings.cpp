#include "app/settings.h"

#include <cstdlib>

#include "app/install_layout.h"
#include "ground/file_system.h"
#include "ground/text.h"

namespace wk {

std::string ResolveApplicationFolder(const FolderChoices& c) {
    if (!c.option.empty()) return NormaliseFolder(c.option);
    if (!c.environment.empty()) return NormaliseFolder(c.environment);
    // Root may write to /usr/bin: an installed program is known by its layout, not by that.
    if (InstalledDataFolder(c.executableFolder).empty() && FolderIsWritable(c.executableFolder))
        return NormaliseFolder(c.executableFolder);
    std::string base = c.xdgConfigHome;
    if (base.empty()) base = NormaliseFolder(c.home) + ".config";
    base = NormaliseFolder(base);
    ActiveFileSystem().createFolder(base);
    return base + "webkestrane" + kSeparator;
}

std::string ApplicationFolder(const std::string& option, const std::string& executablePath) {
    auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return ResolveApplicationFolder(
        {option, env("WEBKESTRANE_APP_FOLDER"), FolderOfPath(executablePath), env("XDG_CONFIG_HOME"), env("HOME")});
}

void ReportSettingWrite(Workspace& ws, const WriteOutcome& outcome) {
    static const std::string prefix = "Settings cannot be saved in ";
    if (outcome) return;
    for (const std::string& notice : ws.notices)
        if (notice.starts_with(prefix)) return;
    ws.notices.push_back(prefix + ws.appFolder + " (" + outcome.error + ")");
}

void SaveSetting(Workspace& ws, const std::string& name, const std::string& text) {
    ReportSettingWrite(ws, WriteWholeFile(ws.appFolder, name, text));
}

bool ReadCreditsSetting(const std::string& appFolder) {
    return LeadingValue(ReadWholeFile(appFolder, "credits.sgt")) > 0;
}

bool ReadExpertSetting(const std::string& appFolder) {
    return LeadingValue(ReadWholeFile(appFolder, "expert.sgt")) == 1;
}

std::string ReadAnchorSetting(const std::string& appFolder) {
    std::string text = ReadWholeFile(appFolder, "anchor.sgt");
    std::erase(text, '\r');
    std::erase(text, '\n');
    return text;
}

std::string ReadFilterSetting(const std::string& appFolder) { return ReadWholeFile(appFolder, "filter.sgt"); }

bool ReadKeyboardMenusSetting(const std::string& appFolder) {
    return LeadingValue(ReadWholeFile(appFolder, kKeyboardMenusFile)) == 1;
}

ProposalMethod ReadProposalsSetting(const std::string& appFolder) {
    std::string text = ReadWholeFile(appFolder, kProposalsFile);
    std::erase(text, '\r');
    std::erase(text, '\n');
    return ProposalMethodNamed(text).value_or(ProposalMethod::Classic);
}

CommitOptions OptionsFromText(const std::string& text) {
    CommitOptions options{};
    for (std::size_t k = 0; k < options.size() && k < text.size(); ++k) options[k] = text[k] == '1';
    return options;
}

std::string OptionsText(const CommitOptions& options) {
    std::string text;
    for (bool on : options) text.push_back(on ? '1' : '0');
    return text;
}

std::string AnchorCaption(const PageOptions& options) { return "Anchor: " + options.anchor; }

}  // namespace wk
