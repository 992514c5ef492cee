#include "app/commands_settings.h"

#include <algorithm>

#include "app/commands_style.h"
#include "app/page.h"
#include "app/settings.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"

namespace wk {

void SetAnchor(Workspace& ws, const std::string& answer) {
    if (answer.empty()) return;
    std::string anchor;
    if (answer == "Default" || answer == "default") {
        anchor = "<BODY>";
    } else {
        anchor = answer;
        if (!anchor.starts_with("<")) anchor = "<" + anchor;
        if (!anchor.ends_with(">")) anchor += ">";
        std::erase(anchor, '\r');
        std::erase(anchor, '\n');
    }
    ws.options.anchor = anchor;
    SaveSetting(ws, "anchor.sgt", anchor);
}

std::string FilterPattern(const std::string& answer) {
    if (answer.starts_with(".")) return "*" + answer;
    if (answer.starts_with("*") && !answer.starts_with("*.")) return "*." + answer.substr(1);
    if (answer.find('.') == std::string::npos) return "*." + answer;
    if (answer.starts_with("*.")) return answer;
    std::string rest = answer;
    for (std::size_t dot; (dot = rest.find('.')) != std::string::npos && dot >= 2;) rest = rest.substr(dot + 1);
    return "*." + rest;
}

void SetFilter(Workspace& ws, const std::string& answer) {
    if (answer.empty()) return;
    static const char* const keywords[] = {"Default", "default", "all", "All", "ALL", "*", "*.*", ".*"};
    std::string pattern;
    for (const char* keyword : keywords)
        if (answer == keyword) pattern = "*.*";
    if (pattern.empty()) {
        pattern = FilterPattern(answer);
        ws.options.filterCaption = ws.options.filterTooltip = "Filter: " + pattern;
    } else {
        ws.options.filterCaption = ws.options.filterTooltip = "Filter: ALL HTML Types";
    }
    ws.options.filter = pattern;
    SaveSetting(ws, "filter.sgt", pattern);
}

void AskAnchor(Workspace& ws) {
    SetAnchor(ws, ws.prompt->inputBox("Anchor Tag Selection", "Enter the tag you wish to use to anchor the menu")
                      .value_or(std::string{}));
}

void AskFilter(Workspace& ws) {
    SetFilter(ws, ws.prompt
                      ->inputBox("Filter Extension Selection",
                                 "Enter the file extension you wish to use to apply these changes to exclusively "
                                 "across your entire web site")
                      .value_or(std::string{}));
}

void SetCommitOptions(Workspace& ws, const CommitOptions& options) {
    ws.options.commit = options;
    SaveSetting(ws, "Options.abn", OptionsText(options));
}

void SetCommitOption(Workspace& ws, int index, bool on) {
    if (index < 0 || index >= kCommitOptionCount) return;
    CommitOptions options = ws.options.commit;
    options[static_cast<std::size_t>(index)] = on;
    SetCommitOptions(ws, options);
}

void SetExpertMode(Workspace& ws, bool on) {
    ws.options.expert = on;
    SaveSetting(ws, "expert.sgt", on ? "1" : "0");
}

void SetCredits(Workspace& ws, bool on) {
    ws.status.credits = on;
    SaveSetting(ws, "credits.sgt", on ? "1" : "0");
}

void ToggleCredits(Workspace& ws) { SetCredits(ws, !ws.status.credits); }

void SetProposalMethod(Workspace& ws, ProposalMethod method) {
    ws.options.proposals = method;
    SaveSetting(ws, kProposalsFile, std::string(ProposalMethodName(method)));
    if (!ws.page.text.empty()) ProposeMeta(ws);
}

void SetKeyboardMenus(Workspace& ws, bool on) {
    ws.options.keyboardMenus = on;
    SaveSetting(ws, kKeyboardMenusFile, on ? "1" : "0");
    CheckContrast(ws);
}

void AskCategory(Workspace& ws, const std::string& title, const std::string& promptText) {
    std::optional<std::string> answer = ws.prompt->inputBox(title, promptText);
    if (answer && !answer->empty()) ws.status.category = *answer;
}

void ChangeCategory(Workspace& ws) { AskCategory(ws, "Page Category Modification", "Enter the desired Category"); }

Boilerplate InitialBoilerplate() { return {kUrlPrefix, "", "", "", ""}; }

Boilerplate ReadBoilerplate(const std::string& appFolder) {
    Boilerplate entries = InitialBoilerplate();
    if (auto lines = ReadLines(appFolder, kBoilerplateFile))
        for (std::size_t i = 0; i < entries.size() && i < lines->size(); ++i) entries[i] = (*lines)[i];
    return entries;
}

void ApplyBoilerplate(Workspace& ws, const Boilerplate& e) {
    ws.status.siteUrl = e[0] + " ";
    ws.status.organisation = e[1] + " ";
    ws.status.author = e[2] + " ";
    ws.status.copyright = e[3] + " ";
    ws.status.siteRoot = e[4];
}

bool CommitBoilerplate(Workspace& ws, Boilerplate entries) {
    for (const std::string& entry : entries) {
        if (entry.empty()) {
            ws.prompt->message("Boilerplate null data error",
                               "You cannot omit boilerplate entries or enter null boilerplate data",
                               MessageIcon::Exclamation);
            return false;
        }
    }
    for (std::string& entry : entries) {
        entry = ReplaceAll(entry, "\r\n", " ");
        std::replace(entry.begin(), entry.end(), '\r', ' ');
        std::replace(entry.begin(), entry.end(), '\n', ' ');
    }
    // Stored absolute, so the site is found whichever folder the program starts in.
    entries[4] = AbsoluteFolder(entries[4]);
    if (!ActiveFileSystem().isFolder(entries[4])) {
        ws.prompt->message("Local Source not Found",
                           "The local source folder " + entries[4] +
                               " does not exist. Please type or browse the folder that holds your site",
                           MessageIcon::Exclamation);
        return false;
    }
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) text += (i ? kLineEnd : "") + entries[i];
    SaveSetting(ws, kBoilerplateFile, text);
    ApplyBoilerplate(ws, entries);
    return true;
}

CancelAnswer CancelBoilerplate(Workspace& ws) {
    if (FileExists(ws.appFolder, kBoilerplateFile)) return CancelAnswer::Close;
    const bool quit = ws.prompt->askYesNo(
        "Quit Web Kestrane?",
        "Boilerplate information for your web pages must be supplied before continuing - and can be updated or "
        "changed at any future time just by clicking the status bar at the bottom of the Web Kestrane window. Are "
        "you sure you wish to quit Web Kestrane?");
    return quit ? CancelAnswer::Quit : CancelAnswer::Stay;
}

}  // namespace wk
