#include <gtest/gtest.h>

#include "assist/credits_menu.h"
#include "menu/capsule.h"

namespace wk {
namespace {

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

TEST(CreditsMenu, OffIsEmpty) { EXPECT_EQ(CreditsMenuMarkup(false, "www.site.com "), ""); }

TEST(CreditsMenu, IsOneMoreMenuOfProductLinksWithTheSiteAddress) {
    const std::string base = "www.webkestrane.org/software/web-menus/";
    auto link = [&](const std::string& page) { return base + page + "?ref=www.site.com"; };
    // The credits links carry a query already, so the menu's is added with "&".
    auto href = [&](const std::string& page) { return link(page) + "&menu"; };
    auto row = [&](std::string_view piece, const std::string& page, const std::string& label) {
        return Cat({piece, href(page), kLinkClose, label});
    };
    const std::string heading = href("index.shtml");
    const std::string expected =
        Cat({kRowClose, kMenuClose, kMenuOpen, heading, kMenuBarLabel, "About these Menus", kMenuTableOpen, heading,
             kLinkClose, "About these Menus"}) +
        row(kFirstItemRow, "2-use.shtml", "Fully Customisable") +
        row(kNextItemRow, "4-interoperability.shtml", "Robust & Interoperable") +
        row(kNextItemRow, "1-systematisation.shtml", "Pure CSS Menus with") +
        row(kNextItemRow, "3-maintenance.shtml", "No scripts or plug-ins") +
        row(kNextItemRow, "index.shtml", "Standards Compliant") +
        row(kNextItemRow, "4-interoperability.shtml", "Compatible with ALL") +
        row(kNextItemRow, "0-web-menus.shtml", "Major browser engines") +
        row(kNextItemRow, "5-optimisation.shtml", "Click for more!");
    EXPECT_EQ(CreditsMenuMarkup(true, "  www.site.com "), expected);
}

TEST(CreditsMenu, WithoutSiteAddressAppendsNothing) {
    const std::string markup = CreditsMenuMarkup(true, " ");
    EXPECT_NE(markup.find("href=\"http://www.webkestrane.org/software/web-menus/2-use.shtml?menu\">"),
              std::string::npos);
    EXPECT_EQ(markup.find("?ref="), std::string::npos);
}

}  // namespace
}  // namespace wk
