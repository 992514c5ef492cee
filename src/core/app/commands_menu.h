#pragma once
// The menu builder's commands on the workspace: add and edit dialogs, move,
// delete, the capsule and the magnifier. Every command that changes the tree
// saves default.mnu at the moment the desktop program does.
#include <optional>
#include <string>
#include <string_view>

#include "markup/page_filter.h"
#include "app/workspace.h"

namespace wk {

// The capsule for the current tree and credits state.
std::string MenuCapsule(const Workspace& ws);

// What the add or edit dialog holds when OK is pressed.
struct NodeEntry {
    bool asMenu = true;  // optMenu
    std::string label;   // txtName
    std::string link;    // txtURL
};

// Refused by the dialogs (which say why): an empty label, a link that does not begin
// with "www." or is only that (the dialogs' URL box always holds the prefix,
// so the command line is held to it too), or a line break in either
// (default.mnu keeps one line a field).
bool EntryRefused(const NodeEntry& entry);
// Why the entry is refused, as the dialogs say it; empty when it is not.
std::string RefusalReason(const NodeEntry& entry);

// Add dialog OK: places and selects the new node. False, nothing changed,
// when refused. Does not save: closing the dialog does.
bool AddNode(Workspace& ws, const NodeEntry& entry);
// Edit dialog OK: new label and link for the acting node; false when refused
// or the tree is empty.
bool EditSelectedNode(Workspace& ws, const std::string& label, const std::string& link);
// Closing the add or edit dialog, by OK or the close box: saves the tree.
void CloseNodeDialog(Workspace& ws);

// Act on the selected node (the first when none is selected) and save, also
// when nothing moved. An empty tree is left alone and not saved.
void MoveSelectedUp(Workspace& ws);
void MoveSelectedDown(Workspace& ws);
// Asks before deleting a menu; No changes and saves nothing. True when a node
// was deleted.
bool DeleteSelected(Workspace& ws);

// The menu bar width check of a new menu's label: longer than the room the
// other menus leave on the bar.
inline constexpr std::size_t kMenuBarLimit = 95;
bool MenuBarTooWide(const Workspace& ws, std::string_view label, bool menuOptionSelected);
// The label kept when the warning is answered No.
std::string CutToBarLimit(std::string_view label);
inline constexpr const char* kMenuBarWarningTitle = "Menu Bar too long for one layer";
inline constexpr const char* kMenuBarWarningText =
    "There is too much top level material in this menu and this will be word-wrapped by some browsers to "
    "compensate for the excessive menubar width. The resulting stacking of more than one menu bar may prove "
    "confusing for some users. Are you sure you want to allow two or more menu bars to be stacked on your site?";
inline constexpr const char* kDeleteMenuTitle = "Menu Incineration Warning...";
inline constexpr const char* kDeleteMenuText =
    "This Menu could contain one or more items. Are you sure you want to incinerate this menu and all of its "
    "items?";
// Asks the width question through ws.prompt; the label to keep (cut on No).
std::string ConfirmMenuBarWidth(Workspace& ws, const std::string& label);

// Browse: the link for a chosen page, site address + "/" + its path below
// SiteRoot. Nothing when SiteRoot or the site address is empty, nothing was
// chosen, or the page lies outside SiteRoot.
std::optional<std::string> BrowseLinkFor(const Workspace& ws, const std::string& chosenPath);
// The whole Browse button: asks for a page through ws.prompt (only when
// SiteRoot and the site address are set) and answers its link.
std::optional<std::string> BrowseForLink(Workspace& ws);

// The magnifier: switches the display size and rebuilds the tree from
// default.mnu, keeping the selected node and the folded menus.
void ToggleMagnifier(Workspace& ws);

}  // namespace wk
