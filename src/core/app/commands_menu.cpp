#include "app/commands_menu.h"

#include <numeric>

#include "app/settings.h"
#include "ground/text.h"
#include "assist/credits_menu.h"
#include "menu/capsule.h"
#include "menu/menu_file.h"
#include "menu/tree_editing.h"

namespace wk {
namespace {

bool HoldsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

void SaveTree(Workspace& ws) { ReportSettingWrite(ws, SaveMenuTree(ws.appFolder, ws.tree)); }

std::size_t MenuBarLength(const MenuTree& tree) {
    const std::vector<NodeId> menus = tree.menus();
    return std::accumulate(menus.begin(), menus.end(), std::size_t{0},
                           [&](std::size_t sum, NodeId menu) { return sum + tree.node(menu).label.size(); });
}

}  // namespace

std::string MenuCapsule(const Workspace& ws) {
    const bool keyboard = ws.options.keyboardMenus;
    return BuildMenuCapsule(ws.tree, CreditsMenuMarkup(ws.status.credits, ws.status.siteUrl, keyboard), keyboard);
}

bool EntryRefused(const NodeEntry& entry) { return !RefusalReason(entry).empty(); }

std::string RefusalReason(const NodeEntry& entry) {
    if (entry.label.empty()) return "Enter a name.";
    if (!entry.link.starts_with("www.") || entry.link == "www.") return "Enter a link after www.";
    if (HoldsLineBreak(entry.label) || HoldsLineBreak(entry.link)) return "A name or link cannot hold a line break.";
    return {};
}

bool AddNode(Workspace& ws, const NodeEntry& entry) {
    if (EntryRefused(entry)) return false;
    PlaceNewNode(ws.tree, entry.asMenu, entry.label, entry.link);
    return true;
}

bool EditSelectedNode(Workspace& ws, const std::string& label, const std::string& link) {
    const std::optional<NodeId> at = ws.tree.actingNode();
    if (!at || EntryRefused({true, label, link})) return false;
    ws.tree.setLabel(*at, label);
    ws.tree.setLink(*at, link);
    return true;
}

void CloseNodeDialog(Workspace& ws) { SaveTree(ws); }

void MoveSelectedUp(Workspace& ws) {
    const std::optional<NodeId> at = ws.tree.actingNode();
    if (!at) return;
    MoveNodeUp(ws.tree, *at);
    SaveTree(ws);
}

void MoveSelectedDown(Workspace& ws) {
    const std::optional<NodeId> at = ws.tree.actingNode();
    if (!at) return;
    MoveNodeDown(ws.tree, *at);
    SaveTree(ws);
}

bool DeleteSelected(Workspace& ws) {
    const std::optional<NodeId> at = ws.tree.actingNode();
    if (!at) return false;
    // Every menu is asked about, also one without items.
    if (ws.tree.node(*at).kind == NodeKind::Menu && !ws.prompt->askYesNo(kDeleteMenuTitle, kDeleteMenuText))
        return false;
    RemoveNodeAndReselect(ws.tree, *at);
    SaveTree(ws);
    return true;
}

bool MenuBarTooWide(const Workspace& ws, std::string_view label, bool menuOptionSelected) {
    const std::optional<NodeId> at = ws.tree.actingNode();
    if (!at || !menuOptionSelected || ws.tree.node(*at).kind != NodeKind::Menu) return false;
    const std::size_t used = MenuBarLength(ws.tree);
    // Signed: the menus alone may already be wider than the limit.
    const long room = static_cast<long>(kMenuBarLimit) - static_cast<long>(used);
    return static_cast<long>(label.size()) > room;
}

std::string CutToBarLimit(std::string_view label) { return std::string(label.substr(0, kMenuBarLimit)); }

std::string ConfirmMenuBarWidth(Workspace& ws, const std::string& label) {
    if (ws.prompt->askYesNo(kMenuBarWarningTitle, kMenuBarWarningText)) return label;
    return CutToBarLimit(label);
}

std::optional<std::string> BrowseLinkFor(const Workspace& ws, const std::string& chosenPath) {
    const std::string& root = ws.status.siteRoot;
    const std::string address = TrimSpaces(ws.status.siteUrl);
    if (root.empty() || address.empty() || chosenPath.empty() || chosenPath == root + "*.*") return std::nullopt;
    // A page outside the site has no address on it.
    if (!chosenPath.starts_with(root)) return std::nullopt;
    return address + "/" + ReplaceAll(chosenPath.substr(root.size()), "\\", "/");
}

std::optional<std::string> BrowseForLink(Workspace& ws) {
    if (ws.status.siteRoot.empty() || TrimSpaces(ws.status.siteUrl).empty()) return std::nullopt;
    return BrowseLinkFor(ws, ws.prompt->chooseFile(PageFilter(), ws.status.siteRoot));
}

void ToggleMagnifier(Workspace& ws) {
    ws.magnified = !ws.magnified;
    const std::vector<NodeId> before = ws.tree.displayOrder();
    const std::optional<NodeId> selected = ws.tree.selected();
    std::vector<bool> expanded;
    for (NodeId id : before) expanded.push_back(ws.tree.node(id).expanded);
    // Rebuilding creates every node again, with the icons of the new size.
    LoadMenuTree(ws.appFolder, ws.tree);
    // The file mirrors the tree, so each node comes back at its place in the
    // display order: the one the user was on stays selected, and a menu the
    // user folded stays folded.
    const std::vector<NodeId> after = ws.tree.displayOrder();
    if (after.size() != before.size()) return;
    for (std::size_t i = 0; i < after.size(); ++i) {
        ws.tree.setExpanded(after[i], expanded[i]);
        if (before[i] == selected) ws.tree.select(after[i]);
    }
}

}  // namespace wk
