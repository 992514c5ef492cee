#pragma once
// The two-level menu tree: menus (top level) with items below them. There is
// no root node. Every node keeps its place in creation order, which decides
// the selection after a delete; a moved node is re-created, so it takes a new
// id and the next free creation index.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace wk {

// Also the number of the node's picture in the tree control.
enum class NodeKind { Menu = 1, Item = 2 };

// Stable for the life of a node; never reused within one tree.
using NodeId = std::uint64_t;

struct MenuNode {
    std::string label;
    NodeKind kind = NodeKind::Menu;
    std::string link;  // without scheme, normally beginning "www."; may be empty
    bool expanded = true;
};

class MenuTree {
public:
    bool empty() const { return creation_.empty(); }
    std::size_t size() const { return creation_.size(); }
    bool contains(NodeId id) const { return nodes_.count(id) > 0; }

    // Menus each followed by their items.
    std::vector<NodeId> displayOrder() const;
    std::vector<NodeId> menus() const { return menus_; }
    std::vector<NodeId> items(NodeId menu) const;
    const MenuNode& node(NodeId id) const;
    // The menu holding an item; nothing for a menu.
    std::optional<NodeId> parent(NodeId id) const;
    // Place among its siblings (menus among menus, items within their menu), from 0.
    std::size_t position(NodeId id) const;

    void setLabel(NodeId id, std::string label);
    void setLink(NodeId id, std::string link);
    void setExpanded(NodeId id, bool expanded);
    void expandAll();

    std::optional<NodeId> selected() const { return selected_; }
    void select(NodeId id);
    // The node editing commands act on: the selected one, else the first.
    std::optional<NodeId> actingNode() const;

    // 1-based place in the creation order of the existing nodes.
    int creationIndex(NodeId id) const;
    // The node with that creation index; nothing when out of range.
    std::optional<NodeId> nodeWithCreationIndex(int index) const;

    // New nodes are expanded and not selected. Positions past the end append.
    NodeId insertMenu(std::size_t position, std::string label, std::string link);
    NodeId appendMenu(std::string label, std::string link);
    NodeId insertItem(NodeId menu, std::size_t position, std::string label, std::string link);
    NodeId appendItem(NodeId menu, std::string label, std::string link);
    // Removes the node, and a menu's items with it; a removed selection
    // leaves nothing selected.
    void remove(NodeId id);
    void clear();

private:
    struct Stored {
        MenuNode node;
        std::optional<NodeId> parent;
        std::vector<NodeId> children;
    };
    NodeId create(MenuNode node, std::optional<NodeId> parent);
    Stored& stored(NodeId id);
    const Stored& stored(NodeId id) const;
    void forget(NodeId id);

    std::unordered_map<NodeId, Stored> nodes_;
    std::vector<NodeId> menus_;
    std::vector<NodeId> creation_;
    std::optional<NodeId> selected_;
    NodeId nextId_ = 1;
};

}  // namespace wk
