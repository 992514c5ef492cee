#include "menu/capsule.h"

#include <algorithm>

namespace wk {

std::string ProductPageAddress(std::string_view page) {
    std::string address(kProductHost);
    address += kProductPath;
    address += page;
    return address;
}

namespace {

// The characters that would end the href's quotes, open a tag or split the link.
void AppendEncoded(std::string& href, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '"': href += "%22"; break;
            case '<': href += "%3C"; break;
            case '>': href += "%3E"; break;
            case ' ': href += "%20"; break;
            default: href += c;
        }
    }
}

}  // namespace

std::string MenuHref(std::string_view link) {
    const std::size_t fragment = std::min(link.find('#'), link.size());
    const std::string_view address = link.substr(0, fragment);
    std::string href;
    href.reserve(link.size() + 8);
    AppendEncoded(href, address);
    href += address.find('?') == std::string_view::npos ? "?menu" : "&menu";
    AppendEncoded(href, link.substr(fragment));
    return href;
}

std::string MenuCapsuleSegment(std::string_view label, std::string_view link, int menuNumber, int itemNumber,
                               bool keyboardMenus) {
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
        segment += keyboardMenus ? kFocusableMenuOpen : kMenuOpen;
        segment += MenuHref(link);
        segment += kMenuBarLabel;
        segment += label;
        segment += kMenuTableOpen;
    }
    segment += MenuHref(link);
    segment += kLinkClose;
    segment += label;
    return segment;
}

std::string BuildMenuCapsule(const MenuTree& tree, std::string_view creditsMenu, bool keyboardMenus) {
    if (tree.empty()) return {};
    std::string capsule;
    int menuNumber = 0;
    for (NodeId menu : tree.menus()) {
        ++menuNumber;
        const MenuNode& m = tree.node(menu);
        capsule += MenuCapsuleSegment(m.label, m.link, menuNumber, 0, keyboardMenus);
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
