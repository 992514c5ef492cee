#include "menu/capsule.h"

namespace wk {

std::string ProductPageAddress(std::string_view page) {
    std::string address(kProductHost);
    address += kProductPath;
    address += page;
    return address;
}

std::string MenuCapsuleSegment(std::string_view label, std::string_view link, int menuNumber, int itemNumber) {
    std::string segment;
    if (itemNumber >= 1) {
        segment += itemNumber == 1 ? kFirstItemRow : kNextItemRow;
    } else {
        // A later menu first closes the previous menu's open row, table and division.
        if (menuNumber == 1) {
            segment += kCapsuleHead;
        } else {
            segment += kRowClose;
            segment += kMenuClose;
        }
        segment += kMenuOpen;
        segment += link;
        segment += kMenuBarLabel;
        segment += label;
        segment += kMenuTableOpen;
    }
    segment += link;
    segment += kLinkClose;
    segment += label;
    return segment;
}

std::string BuildMenuCapsule(const MenuTree& tree, std::string_view creditsMenu) {
    if (tree.empty()) return {};
    std::string capsule;
    int menuNumber = 0;
    for (NodeId menu : tree.menus()) {
        ++menuNumber;
        const MenuNode& m = tree.node(menu);
        capsule += MenuCapsuleSegment(m.label, m.link, menuNumber, 0);
        int itemNumber = 0;
        for (NodeId item : tree.items(menu)) {
            const MenuNode& i = tree.node(item);
            capsule += MenuCapsuleSegment(i.label, i.link, menuNumber, ++itemNumber);
        }
    }
    capsule += creditsMenu;
    capsule += kRowClose;
    capsule += kMenuClose;
    capsule += kCapsuleTail;
    return capsule;
}

}  // namespace wk
