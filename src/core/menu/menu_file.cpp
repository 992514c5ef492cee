#include "menu/menu_file.h"

namespace wk {
namespace {

constexpr std::size_t kRecordLines = 3;

void AppendRecord(std::string& text, const MenuNode& node) {
    if (!text.empty()) text += kLineEnd;
    text += node.label;
    text += kLineEnd;
    text += std::to_string(static_cast<int>(node.kind));
    text += kLineEnd;
    text += node.link;
}

}  // namespace

bool LoadMenuTree(const std::string& appFolder, MenuTree& tree) {
    const std::optional<std::vector<std::string>> read = ReadLines(appFolder, kMenuFile);
    if (!read) return false;
    const std::vector<std::string>& lines = *read;
    tree.clear();
    std::optional<NodeId> currentMenu;
    // Lines after the last complete record are ignored.
    for (std::size_t r = 0; r + kRecordLines <= lines.size(); r += kRecordLines) {
        const std::string& label = lines[r];
        const std::string& kind = lines[r + 1];
        const std::string& link = lines[r + 2];
        // An item with no menu above it has nowhere to go, so it becomes a menu.
        if (kind == "1" || !currentMenu) {
            currentMenu = tree.appendMenu(label, link);
        } else {
            tree.appendItem(*currentMenu, label, link);
        }
    }
    tree.expandAll();
    if (!tree.empty()) tree.select(tree.menus().front());
    return true;
}

std::string MenuFileText(const MenuTree& tree) {
    std::string text;
    for (NodeId id : tree.displayOrder()) AppendRecord(text, tree.node(id));
    return text;
}

WriteOutcome SaveMenuTree(const std::string& appFolder, const MenuTree& tree) {
    return WriteWholeFile(appFolder, kMenuFile, MenuFileText(tree));
}

}  // namespace wk
