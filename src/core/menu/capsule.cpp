#include "menu/capsule.h"

namespace wk {
namespace {

std::string ProductPageComment() {
    return " - Visit http://" + ProductPageAddress("index.shtml") + "?01COMMENT for more information-->";
}

}  // namespace

std::string ProductPageAddress(std::string_view page) {
    std::string address(kProductHost);
    address += kProductPath;
    address += page;
    return address;
}

const std::string kCapsuleHead = "<!--BEGIN Tollivance Web Kestrane Menu Capsule" + ProductPageComment() +
                                 "<TABLE id=tollivancewebkestrane><TBODY><TR><TD id=o2><DIV id=mb>";
const std::string kMenuOpen = "<DIV class=mi><!--[if IE]><A class=a href=\"http://";
const std::string kMenuBarLabel = "?menu\"><![endif]--><b>";
const std::string kMenuTableOpen = "</b><BR><TABLE><TBODY><TR><TD><b><a href=\"http://";
const std::string kFirstItemRow = "</a></b></TD></TR><TR><TD><a href=\"http://";
const std::string kLinkClose = "?menu\">";
const std::string kNextItemRow = "</a></TD></TR><TR><TD><a href=\"http://";
const std::string kRowClose = "</a></TD></TR>";
const std::string kMenuClose = "</TBODY></TABLE><!--[if IE]></A><![endif]--></DIV>";
const std::string kCapsuleTail =
    "</DIV></TD></TR></TBODY></table><!--END Tollivance Web Kestrane Menu Capsule" + ProductPageComment();

std::string MenuCapsuleSegment(std::string_view label, std::string_view link, int menuNumber, int itemNumber) {
    std::string segment;
    if (itemNumber >= 1) {
        segment += itemNumber == 1 ? kFirstItemRow : kNextItemRow;
    } else {
        // A later menu first closes the previous menu's open row, table and division.
        segment += menuNumber == 1 ? kCapsuleHead : kRowClose + kMenuClose;
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
