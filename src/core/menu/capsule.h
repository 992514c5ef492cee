#pragma once
// The Menu Capsule: the mark-up that draws the whole menu on a page, built from
// ten constant pieces. Labels are inserted verbatim (a site owner may write
// entities or mark-up in them); links are made safe for the href they stand in.
#include <array>
#include <string>
#include <string_view>

#include "menu/menu_tree.h"

namespace wk {

namespace capsule_detail {
// Texts joined at compile time, so the pieces are ready before any code runs.
template <const std::string_view&... Parts>
struct Joined {
    static constexpr std::size_t size = (Parts.size() + ...);
    static constexpr std::array<char, size> chars = [] {
        std::array<char, size> out{};
        std::size_t at = 0;
        for (std::string_view part : {Parts...})
            for (char c : part) out[at++] = c;
        return out;
    }();
    static constexpr std::string_view value{chars.data(), size};
};
}  // namespace capsule_detail

// The maker's product pages, linked from the capsule comments and the credits menu.
inline constexpr std::string_view kProductHost = "www.webkestrane.org";
inline constexpr std::string_view kProductPath = "/software/web-menus/";
// A product page's address without scheme: host, path, page.
std::string ProductPageAddress(std::string_view page);

namespace capsule_detail {
inline constexpr std::string_view kHeadComment = "<!--BEGIN Tollivance Web Kestrane Menu Capsule - Visit http://";
inline constexpr std::string_view kTailComment =
    "</DIV></TD></TR></TBODY></table><!--END Tollivance Web Kestrane Menu Capsule - Visit http://";
inline constexpr std::string_view kCommentEnd = "index.shtml?01COMMENT for more information-->";
inline constexpr std::string_view kHeadTable = "<TABLE id=tollivancewebkestrane><TBODY><TR><TD id=o2><DIV id=mb>";
}  // namespace capsule_detail

inline constexpr std::string_view kCapsuleHead =
    capsule_detail::Joined<capsule_detail::kHeadComment, kProductHost, kProductPath, capsule_detail::kCommentEnd,
                           capsule_detail::kHeadTable>::value;
inline constexpr std::string_view kMenuOpen = "<DIV class=mi><!--[if IE]><A class=a href=\"http://";
// Keyboard menus: the bar entry takes the focus, from the Tab key or a tap, and
// its drop-down opens while the focus is inside it.
inline constexpr std::string_view kFocusableMenuOpen = "<DIV class=mi tabindex=0><!--[if IE]><A class=a href=\"http://";
inline constexpr std::string_view kMenuBarLabel = "\"><![endif]--><b>";
inline constexpr std::string_view kMenuTableOpen = "</b><BR><TABLE><TBODY><TR><TD><b><a href=\"http://";
inline constexpr std::string_view kFirstItemRow = "</a></b></TD></TR><TR><TD><a href=\"http://";
inline constexpr std::string_view kLinkClose = "\">";
inline constexpr std::string_view kNextItemRow = "</a></TD></TR><TR><TD><a href=\"http://";
inline constexpr std::string_view kRowClose = "</a></TD></TR>";
inline constexpr std::string_view kMenuClose = "</TBODY></TABLE><!--[if IE]></A><![endif]--></DIV>";
inline constexpr std::string_view kCapsuleTail =
    capsule_detail::Joined<capsule_detail::kTailComment, kProductHost, kProductPath,
                           capsule_detail::kCommentEnd>::value;

// A link as its href holds it after "http://": a double quote, "<", ">" and a
// space percent-encoded, so the mark-up of every page stays whole, and the
// "menu" query added with "?", or with "&" when the link already has a query,
// ahead of any "#" fragment.
std::string MenuHref(std::string_view link);

// One node's mark-up. Menus count from 1 in display order; itemNumber is 0 for
// the menu itself and counts its items from 1. Leaves its last row open.
// keyboardMenus opens a menu with kFocusableMenuOpen.
std::string MenuCapsuleSegment(std::string_view label, std::string_view link, int menuNumber, int itemNumber,
                               bool keyboardMenus = false);

// The whole capsule, with the credits menu (empty when off) after the last
// user menu; the empty text for an empty tree.
std::string BuildMenuCapsule(const MenuTree& tree, std::string_view creditsMenu, bool keyboardMenus = false);

}  // namespace wk
