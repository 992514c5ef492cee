#include "menu/menu_tree.h"

#include <algorithm>
#include <stdexcept>

namespace wk {
namespace {

std::size_t IndexIn(const std::vector<NodeId>& ids, NodeId id) {
    return static_cast<std::size_t>(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

void InsertAt(std::vector<NodeId>& ids, std::size_t position, NodeId id) {
    ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(std::min(position, ids.size())), id);
}

}  // namespace

std::vector<NodeId> MenuTree::displayOrder() const {
    std::vector<NodeId> order;
    order.reserve(creation_.size());
    for (NodeId menu : menus_) {
        order.push_back(menu);
        const std::vector<NodeId>& children = stored(menu).children;
        order.insert(order.end(), children.begin(), children.end());
    }
    return order;
}

std::vector<NodeId> MenuTree::items(NodeId menu) const { return stored(menu).children; }

const MenuNode& MenuTree::node(NodeId id) const { return stored(id).node; }

std::optional<NodeId> MenuTree::parent(NodeId id) const { return stored(id).parent; }

std::size_t MenuTree::position(NodeId id) const {
    const std::optional<NodeId> menu = parent(id);
    return IndexIn(menu ? stored(*menu).children : menus_, id);
}

void MenuTree::setLabel(NodeId id, std::string label) { stored(id).node.label = std::move(label); }
void MenuTree::setLink(NodeId id, std::string link) { stored(id).node.link = std::move(link); }
void MenuTree::setExpanded(NodeId id, bool expanded) { stored(id).node.expanded = expanded; }

void MenuTree::expandAll() {
    for (auto& [id, entry] : nodes_) entry.node.expanded = true;
}

void MenuTree::select(NodeId id) {
    stored(id);  // must exist
    selected_ = id;
}

std::optional<NodeId> MenuTree::actingNode() const {
    if (selected_) return selected_;
    if (menus_.empty()) return std::nullopt;
    return menus_.front();
}

int MenuTree::creationIndex(NodeId id) const {
    stored(id);
    return static_cast<int>(IndexIn(creation_, id)) + 1;
}

std::optional<NodeId> MenuTree::nodeWithCreationIndex(int index) const {
    if (index < 1 || static_cast<std::size_t>(index) > creation_.size()) return std::nullopt;
    return creation_[static_cast<std::size_t>(index) - 1];
}

NodeId MenuTree::insertMenu(std::size_t position, std::string label, std::string link) {
    const NodeId id = create({std::move(label), NodeKind::Menu, std::move(link)}, std::nullopt);
    InsertAt(menus_, position, id);
    return id;
}

NodeId MenuTree::appendMenu(std::string label, std::string link) {
    return insertMenu(menus_.size(), std::move(label), std::move(link));
}

NodeId MenuTree::insertItem(NodeId menu, std::size_t position, std::string label, std::string link) {
    if (stored(menu).parent) throw std::logic_error("an item cannot hold items");
    const NodeId id = create({std::move(label), NodeKind::Item, std::move(link)}, menu);
    InsertAt(stored(menu).children, position, id);
    return id;
}

NodeId MenuTree::appendItem(NodeId menu, std::string label, std::string link) {
    return insertItem(menu, stored(menu).children.size(), std::move(label), std::move(link));
}

void MenuTree::remove(NodeId id) {
    Stored& entry = stored(id);
    for (NodeId child : entry.children) forget(child);
    if (entry.parent) {
        std::erase(stored(*entry.parent).children, id);
    } else {
        std::erase(menus_, id);
    }
    forget(id);
}

void MenuTree::clear() {
    // Ids go on counting, so an id kept from before names no new node.
    const NodeId next = nextId_;
    *this = MenuTree{};
    nextId_ = next;
}

NodeId MenuTree::create(MenuNode node, std::optional<NodeId> parent) {
    const NodeId id = nextId_++;
    nodes_.emplace(id, Stored{std::move(node), parent, {}});
    creation_.push_back(id);
    return id;
}

MenuTree::Stored& MenuTree::stored(NodeId id) {
    return const_cast<Stored&>(static_cast<const MenuTree*>(this)->stored(id));
}

const MenuTree::Stored& MenuTree::stored(NodeId id) const {
    auto found = nodes_.find(id);
    if (found == nodes_.end()) throw std::out_of_range("no menu tree node " + std::to_string(id));
    return found->second;
}

void MenuTree::forget(NodeId id) {
    nodes_.erase(id);
    std::erase(creation_, id);
    if (selected_ == id) selected_.reset();
}

}  // namespace wk
