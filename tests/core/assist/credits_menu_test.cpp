#include <gtest/gtest.h>

#include "assist/credits_menu.h"
#include "menu/capsule.h"

namespace wk {
namespace {

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(CreditsMenu, IsOneMoreMenuOfEightProductLinksCarryingTheTrimmedSiteAddress) {
    EXPECT_EQ(CreditsMenuMarkup(false, "www.site.com "), "");
    const std::string markup = CreditsMenuMarkup(true, "  www.site.com ");
    // It closes the user's last menu and leaves its own last row open for the capsule's end.
    const std::string opening = std::string(kRowClose) + std::string(kMenuClose) + std::string(kMenuOpen) +
                                "www.webkestrane.org/software/web-menus/index.shtml?ref=www.site.com&menu" +
                                std::string(kMenuBarLabel) + "About these Menus";
    EXPECT_EQ(markup.rfind(opening, 0), 0u);
    EXPECT_EQ(Count(markup, kFirstItemRow), 1u);
    EXPECT_EQ(Count(markup, kNextItemRow), 7u);
    // The links carry a query already, so the menu's is added with "&".
    EXPECT_EQ(Count(markup, "?ref=www.site.com&menu\">"), 10u);
    EXPECT_TRUE(markup.ends_with("/5-optimisation.shtml?ref=www.site.com&menu\">Click for more!"));
    // With keyboard menus its bar entry takes the focus as the user's do.
    EXPECT_EQ(Count(CreditsMenuMarkup(true, "www.site.com", true), kFocusableMenuOpen), 1u);
    // Without a site address the links carry no reference.
    const std::string bare = CreditsMenuMarkup(true, " ");
    EXPECT_NE(bare.find("href=\"http://www.webkestrane.org/software/web-menus/2-use.shtml?menu\">"), std::string::npos);
    EXPECT_EQ(bare.find("?ref="), std::string::npos);
}

}  // namespace
}  // namespace wk
