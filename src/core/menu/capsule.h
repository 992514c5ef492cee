#pragma once
// The Menu Capsule: the mark-up that draws the whole menu on a page, built from
// ten constant pieces. Labels and links are inserted verbatim.
#include <string>
#include <string_view>

#include "menu/menu_tree.h"

namespace wk {

// The maker's product pages, linked from the capsule comments and the credits menu.
inline constexpr std::string_view kProductHost = "www.webkestrane.org";
inline constexpr std::string_view kProductPath = "/software/web-menus/";
// A product page's address without scheme: host, path, page.
std::string ProductPageAddress(std::string_view page);

extern const std::string kCapsuleHead;
extern const std::string kMenuOpen;
extern const std::string kMenuBarLabel;
extern const std::string kMenuTableOpen;
extern const std::string kFirstItemRow;
extern const std::string kLinkClose;
extern const std::string kNextItemRow;
extern const std::string kRowClose;
extern const std::string kMenuClose;
extern const std::string kCapsuleTail;

// One node's mark-up. Menus count from 1 in display order; itemNumber is 0 for
// the menu itself and counts its items from 1. Leaves its last row open.
std::string MenuCapsuleSegment(std::string_view label, std::string_view link, int menuNumber, int itemNumber);

// The whole capsule, with the credits menu (empty when off) after the last
// user menu; the empty text for an empty tree.
std::string BuildMenuCapsule(const MenuTree& tree, std::string_view creditsMenu);

}  // namespace wk
