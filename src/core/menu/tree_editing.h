#pragma once
// Changes of the tree's shape around one node: placing a new node, moving up
// and down (across menus at the edges), deleting. Moves re-create the moved
// nodes, as the creation order then decides the selection after a delete.
#include <string>

#include "menu/menu_tree.h"

namespace wk {

// Adds a node placed by the add dialog's table relative to the acting node;
// an empty tree always gets a menu. Selects and answers the new node.
NodeId PlaceNewNode(MenuTree& tree, bool asMenu, std::string label, std::string link);

// Move the node within the tree; nothing moves at the outer edges. The moved
// node (re-created) is selected.
void MoveNodeUp(MenuTree& tree, NodeId id);
void MoveNodeDown(MenuTree& tree, NodeId id);

// Removes the node (a menu with its items) and selects the node that took
// over its creation index, else the one with the highest index.
void RemoveNodeAndReselect(MenuTree& tree, NodeId id);

}  // namespace wk
