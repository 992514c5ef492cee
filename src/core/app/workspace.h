#pragma once
// All state of one run of the program, shared by the desktop program and the
// command line. Every setting is written to its file the moment it changes;
// nothing is saved at exit.
#include <array>
#include <string>
#include <vector>

#include "ground/prompt.h"
#include "markup/commit_options.h"
#include "menu/menu_tree.h"
#include "meta/proposals.h"
#include "style/designer.h"
#include "style/style_set.h"

namespace wk {

// The six panels of the status bar. Panels 2 to 5 hold their boilerplate entry
// followed by one space; readers trim before use.
struct StatusBar {
    std::string category;      // panel 1
    std::string siteUrl;       // panel 2
    std::string organisation;  // panel 3
    std::string author;        // panel 4
    std::string copyright;     // panel 5
    bool credits = false;      // panel 6: the credits menu is on (raised)
    std::string siteRoot;      // the local source folder, held as the bar's tag
};

struct PageOptions {
    std::string anchor = "<BODY>";  // the tag of lblAnchor
    std::string filter = "*.*";     // the tag of lblFilter, as read (line ends included)
    std::string filterCaption = "Filter: ALL HTML Types";
    std::string filterTooltip = "Filter: All HTML Types";
    CommitOptions commit{};
    bool expert = false;
    ProposalMethod proposals = ProposalMethod::Classic;  // proposals.sgt
    bool keyboardMenus = false;  // keyboard.sgt: menus that open for the keyboard and a tap
};

// The page being worked on.
struct CurrentPage {
    std::string path;                   // txtPage
    std::string text;                   // PageText
    std::string keywords;               // the hidden value of lstWords
    std::vector<std::string> keywordEntries;
    std::string description;            // txtDescription
    std::vector<std::string> descriptionCandidates;  // cmbDescription
    bool categoryUnasked = false;  // it has no category, and none was asked for yet
};

// tip.sgt: missing on a first run; tips shown at start or not.
enum class TipsSetting { Unset, On, Off };

struct TipsState {
    TipsSetting setting = TipsSetting::Unset;  // chkTip, mnuTips
    bool greeted = false;  // the main window was active once: no tip greets the user again this run
    int index = 0;         // the tip on display in the tips window
};

struct Workspace {
    Workspace(std::string applicationFolder, Prompt& promptToUse)
        : appFolder(std::move(applicationFolder)), prompt(&promptToUse) {}

    std::string appFolder;  // ends with the separator
    Prompt* prompt;

    MenuTree tree;
    StyleSet style;
    DesignerState designer;
    StatusBar status;
    PageOptions options;
    CurrentPage page;
    bool magnified = false;  // the magnifier's large display
    TipsState tips;
    int helpTopic = 0;  // what help opens at from the main window; the Topics entries change it

    // Said once to the user, then cleared by whoever shows it (status bar,
    // standard error): for example that settings cannot be saved.
    std::vector<std::string> notices;
};

}  // namespace wk
