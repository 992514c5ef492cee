#pragma once
// Writing and reading menu trees as short texts, so a test states a whole tree
// on one line: "A[x,y] B[] *C[z]" is menu A with items x and y, menu B without
// items, and menu C, selected, with item z. A "*" marks the selected node.
#include <sstream>
#include <string>

#include "menu/menu_tree.h"

namespace wk::test {

inline std::string Describe(const MenuTree& tree) {
    std::string text;
    auto mark = [&](NodeId id) { return tree.selected() == id ? "*" : ""; };
    for (NodeId menu : tree.menus()) {
        if (!text.empty()) text += ' ';
        text += mark(menu) + tree.node(menu).label + '[';
        bool first = true;
        for (NodeId item : tree.items(menu)) {
            if (!first) text += ',';
            first = false;
            text += mark(item) + tree.node(item).label;
        }
        text += ']';
    }
    return text;
}

// Each node's link is its label in lower case after "www.".
inline MenuTree TreeFrom(const std::string& description) {
    MenuTree tree;
    auto add = [&](std::string label, std::optional<NodeId> menu) {
        const bool selected = !label.empty() && label[0] == '*';
        if (selected) label.erase(0, 1);
        std::string link = "www." + label;
        for (char& c : link) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const NodeId id = menu ? tree.appendItem(*menu, label, link) : tree.appendMenu(label, link);
        if (selected) tree.select(id);
        return id;
    };
    std::istringstream words(description);
    std::string word;
    while (words >> word) {
        const std::size_t open = word.find('[');
        const NodeId menu = add(word.substr(0, open), std::nullopt);
        std::istringstream items(word.substr(open + 1, word.size() - open - 2));
        std::string item;
        while (std::getline(items, item, ','))
            if (!item.empty()) add(item, menu);
    }
    return tree;
}

// The node with that label (the first in display order).
inline NodeId Labelled(const MenuTree& tree, const std::string& label) {
    for (NodeId id : tree.displayOrder())
        if (tree.node(id).label == label) return id;
    throw std::out_of_range("no node labelled " + label);
}

}  // namespace wk::test
