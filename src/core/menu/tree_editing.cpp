#include "menu/tree_editing.h"

namespace wk {
namespace {

// Re-creates a node as an item of menu at position (past the end appends),
// selects the copy and removes the original.
void RecreateItem(MenuTree& tree, NodeId item, NodeId menu, std::size_t position) {
    const MenuNode old = tree.node(item);
    const NodeId copy = tree.insertItem(menu, position, old.label, old.link);
    tree.setExpanded(copy, old.expanded);
    tree.select(copy);
    tree.remove(item);
}

// Re-creates a menu at position among the menus, moves its items into the copy
// one at a time in order, selects the copy and removes the original.
void RecreateMenu(MenuTree& tree, NodeId menu, std::size_t position) {
    const MenuNode old = tree.node(menu);
    const NodeId copy = tree.insertMenu(position, old.label, old.link);
    tree.setExpanded(copy, old.expanded);
    for (NodeId item : tree.items(menu)) {
        const MenuNode moved = tree.node(item);
        tree.setExpanded(tree.appendItem(copy, moved.label, moved.link), moved.expanded);
        tree.remove(item);
    }
    tree.select(copy);
    tree.remove(menu);
}

}  // namespace

NodeId PlaceNewNode(MenuTree& tree, bool asMenu, std::string label, std::string link) {
    NodeId added;
    const std::optional<NodeId> at = tree.actingNode();
    if (!at) {
        added = tree.appendMenu(std::move(label), std::move(link));
    } else {
        const std::optional<NodeId> holder = tree.parent(*at);  // set when an item is acted on
        if (asMenu) {
            const NodeId menuAt = holder.value_or(*at);
            added = tree.insertMenu(tree.position(menuAt) + 1, std::move(label), std::move(link));
        } else if (holder) {
            added = tree.insertItem(*holder, tree.position(*at) + 1, std::move(label), std::move(link));
        } else {
            added = tree.appendItem(*at, std::move(label), std::move(link));
        }
    }
    tree.select(added);
    return added;
}

void MoveNodeUp(MenuTree& tree, NodeId id) {
    const std::size_t position = tree.position(id);
    const std::optional<NodeId> menu = tree.parent(id);
    if (!menu) {
        if (position > 0) RecreateMenu(tree, id, position - 1);
        return;
    }
    if (position > 0) {
        RecreateItem(tree, id, *menu, position - 1);
        return;
    }
    const std::size_t menuPosition = tree.position(*menu);
    if (menuPosition == 0) return;
    const NodeId above = tree.menus()[menuPosition - 1];
    RecreateItem(tree, id, above, tree.items(above).size());
}

void MoveNodeDown(MenuTree& tree, NodeId id) {
    const std::size_t position = tree.position(id);
    const std::optional<NodeId> menu = tree.parent(id);
    const std::vector<NodeId> menus = tree.menus();
    if (!menu) {
        // Inserted after the menu below while the original still stands.
        if (position + 1 < menus.size()) RecreateMenu(tree, id, position + 2);
        return;
    }
    if (position + 1 < tree.items(*menu).size()) {
        RecreateItem(tree, id, *menu, position + 2);
        return;
    }
    const std::size_t menuPosition = tree.position(*menu);
    if (menuPosition + 1 >= menus.size()) return;
    RecreateItem(tree, id, menus[menuPosition + 1], 0);
}

void RemoveNodeAndReselect(MenuTree& tree, NodeId id) {
    const int index = tree.creationIndex(id);
    tree.remove(id);
    if (tree.empty()) return;
    const int highest = static_cast<int>(tree.size());
    tree.select(*tree.nodeWithCreationIndex(index <= highest ? index : highest));
}

}  // namespace wk
