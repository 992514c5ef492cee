#include <gtest/gtest.h>

#include "ground/text.h"
#include "menu/tree_editing.h"
#include "tree_text.h"

namespace wk {
namespace {

using test::Describe;
using test::Labelled;
using test::TreeFrom;

TEST(PlaceNewNode, FollowsThePlacementTable) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"", false, "*N[]"}, {"", true, "*N[]"},  // empty tree: always a menu, whatever was asked for
        // A menu selected, Menu: directly after that menu.
        {"A[x] *B[y] C[]", true, "A[x] B[y] *N[] C[]"},
        // An item selected, Menu: after the item's whole menu, not inside it.
        {"A[*x,y] B[]", true, "A[x,y] *N[] B[]"},
        // A menu selected, Item: the menu's last item.
        {"*A[x,y] B[]", false, "A[x,y,*N] B[]"}, {"A[] *B[]", false, "A[] B[*N]"},
        // An item selected, Item: directly after it in the same menu.
        {"A[*x,y] B[z]", false, "A[x,*N,y] B[z]"}, {"A[x,*y] B[z]", false, "A[x,y,*N] B[z]"},
        // Without a selection: as if the first menu were selected.
        {"A[x] B[]", false, "A[x,*N] B[]"}, {"A[x] B[]", true, "A[x] *N[] B[]"},
    };
    for (const auto& [before, asMenu, after] : cases) {
        MenuTree tree = TreeFrom(before);
        PlaceNewNode(tree, asMenu, "N", "www.n");
        EXPECT_EQ(Describe(tree), after) << before << (asMenu ? " + menu" : " + item");
    }
}

TEST(PlaceNewNode, KeepsLabelAndLinkAndKind) {
    MenuTree tree = TreeFrom("*A[]");
    const NodeId id = PlaceNewNode(tree, false, "Café & <b>", "www.x.com/?a=1");
    EXPECT_EQ(tree.node(id).label, "Café & <b>");
    EXPECT_EQ(tree.node(id).link, "www.x.com/?a=1");
    EXPECT_EQ(tree.node(id).kind, NodeKind::Item);
    EXPECT_EQ(tree.parent(id), tree.menus()[0]);
}

// Moves the selected node and answers the tree afterwards.
std::string Moved(MenuTree& tree, bool up) {
    (up ? MoveNodeUp : MoveNodeDown)(tree, *tree.selected());
    return Describe(tree);
}

TEST(MoveNode, MenusMoveWithTheirItemsItemsCrossIntoTheNeighbourAtTheirMenusEdgeAndBothStopAtTheTreesEdges) {
    const bool up = true, down = false;
    const std::pair<const char*, std::vector<std::pair<bool, const char*>>> cases[] = {
        {"*A[a1,a2] B[b1] C[]",
         {{down, "B[b1] *A[a1,a2] C[]"}, {down, "B[b1] C[] *A[a1,a2]"}, {down, "B[b1] C[] *A[a1,a2]"},
          {up, "B[b1] *A[a1,a2] C[]"}, {up, "*A[a1,a2] B[b1] C[]"}, {up, "*A[a1,a2] B[b1] C[]"}}},
        {"A[x,*y] B[z]",
         {{down, "A[x] B[*y,z]"}, {up, "A[x,*y] B[z]"}, {up, "A[*y,x] B[z]"}, {up, "A[*y,x] B[z]"}}},
        {"A[y,x] B[*z]", {{down, "A[y,x] B[*z]"}, {up, "A[y,x,*z] B[]"}}},
        // The only item of the second menu becomes the first menu's only item.
        {"A[] B[*x]", {{up, "A[*x] B[]"}, {down, "A[] B[*x]"}}},
    };
    for (const auto& [start, steps] : cases) {
        MenuTree tree = TreeFrom(start);
        for (const auto& [direction, after] : steps) EXPECT_EQ(Moved(tree, direction), after) << start;
        for (NodeId id : tree.displayOrder())  // links travel with their nodes
            EXPECT_EQ(tree.node(id).link, "www." + AsciiLowerCase(tree.node(id).label));
    }
}

TEST(MoveNode, OnlyTheSelectedOfEquallyLabelledMenusOrItemsMoves) {
    MenuTree menus = TreeFrom("A[] B[] A[x]");
    menus.select(menus.menus()[2]);
    EXPECT_EQ(Moved(menus, true), "A[] *A[x] B[]");
    EXPECT_EQ(menus.node(menus.menus()[0]).link, "www.a");
    EXPECT_TRUE(menus.items(menus.menus()[0]).empty());
    MenuTree tree = TreeFrom("M[s,s,s]");
    tree.setLink(tree.items(tree.menus()[0])[2], "www.third");
    tree.select(tree.items(tree.menus()[0])[2]);
    Moved(tree, true);
    const std::vector<NodeId> items = tree.items(tree.menus()[0]);
    EXPECT_EQ(tree.node(items[1]).link, "www.third");
    EXPECT_EQ(tree.selected(), items[1]);
    EXPECT_EQ(tree.node(items[0]).link, "www.s");
    EXPECT_EQ(tree.node(items[2]).link, "www.s");
}

TEST(MoveNode, MovedNodesTakeTheNextCreationIndexes) {
    MenuTree tree = TreeFrom("*A[a1] B[b1]");  // indexes A1 a1 2 B3 b1 4
    MoveNodeDown(tree, *tree.selected());      // A and a1 re-created after the others
    int index = 0;
    for (const char* label : {"B", "b1", "A", "a1"}) EXPECT_EQ(tree.creationIndex(Labelled(tree, label)), ++index);
}

TEST(RemoveNode, SelectsTheNodeThatTookOverTheIndexInCreationOrderAndAMenuGoesWithItsItems) {
    // Each step removes the node labelled, or with "" moves the selected node down.
    const std::pair<const char*, std::vector<std::pair<const char*, const char*>>> cases[] = {
        {"A[x,y] B[z]", {{"x", "A[*y] B[z]"}, {"z", "A[y] *B[]"}}},  // A1 x2 y3 B4 z5: z had the highest index
        // B[y] A[x] C[] after the move: B1 y2 C3 A4 x5, so index 2 now belongs to C.
        {"*A[x] B[y] C[]", {{"", "B[y] *A[x] C[]"}, {"y", "B[] A[x] *C[]"}}},
        {"A[x,y] B[z]", {{"A", "*B[z]"}, {"B", ""}}},  // B and z renumber to 1 and 2
    };
    for (const auto& [start, steps] : cases) {
        MenuTree tree = TreeFrom(start);
        for (const auto& [removed, after] : steps) {
            if (*removed) RemoveNodeAndReselect(tree, Labelled(tree, removed));
            else MoveNodeDown(tree, *tree.selected());
            const std::string shown = Describe(tree);
            EXPECT_EQ(shown, after) << start << " less " << removed;
            EXPECT_EQ(tree.size(), tree.displayOrder().size()) << start << " less " << removed;  // no node left over
            EXPECT_EQ(tree.selected().has_value(), shown.find('*') != std::string::npos) << start << " less " << removed;
        }
    }
}

TEST(MenuTree, IdsAreNotReusedAndRemovedSelectionIsCleared) {
    MenuTree tree = TreeFrom("*A[]");
    const NodeId old = tree.menus()[0];
    tree.remove(old);
    EXPECT_FALSE(tree.selected());
    EXPECT_FALSE(tree.actingNode());
    const NodeId fresh = tree.appendMenu("A", "www.a");
    EXPECT_NE(fresh, old);
    EXPECT_FALSE(tree.contains(old));
    EXPECT_THROW(tree.node(old), std::out_of_range);
    EXPECT_THROW(tree.appendItem(tree.appendItem(fresh, "i", ""), "ii", ""), std::logic_error);
    tree.clear();
    EXPECT_TRUE(tree.empty());
    const NodeId afterClear = tree.appendMenu("B", "");
    EXPECT_NE(afterClear, old);
    EXPECT_NE(afterClear, fresh);
}

}  // namespace
}  // namespace wk
