#include <gtest/gtest.h>

#include "assist/credits_menu.h"
#include "menu/capsule.h"
#include "tree_text.h"

namespace wk {
namespace {

using test::TreeFrom;

const std::string kProductPage = "http://www.webkestrane.org/software/web-menus/index.shtml?01COMMENT";

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

TEST(CapsulePieces, AreExactlyTheFixedMarkup) {
    EXPECT_EQ(std::string(kCapsuleHead), "<!--BEGIN Tollivance Web Kestrane Menu Capsule - Visit " + kProductPage +
                                " for more information--><TABLE id=tollivancewebkestrane><TBODY><TR><TD id=o2>"
                                "<DIV id=mb>");
    EXPECT_EQ(kMenuOpen, "<DIV class=mi><!--[if IE]><A class=a href=\"http://");
    EXPECT_EQ(kMenuBarLabel, "?menu\"><![endif]--><b>");
    EXPECT_EQ(kMenuTableOpen, "</b><BR><TABLE><TBODY><TR><TD><b><a href=\"http://");
    EXPECT_EQ(kFirstItemRow, "</a></b></TD></TR><TR><TD><a href=\"http://");
    EXPECT_EQ(kLinkClose, "?menu\">");
    EXPECT_EQ(kNextItemRow, "</a></TD></TR><TR><TD><a href=\"http://");
    EXPECT_EQ(kRowClose, "</a></TD></TR>");
    EXPECT_EQ(kMenuClose, "</TBODY></TABLE><!--[if IE]></A><![endif]--></DIV>");
    EXPECT_EQ(std::string(kCapsuleTail), "</DIV></TD></TR></TBODY></table><!--END Tollivance Web Kestrane Menu Capsule - Visit " +
                                kProductPage + " for more information-->");
}

// The mark-up of one menu from its bar entry to its bold first row.
std::string MenuHeader(const std::string& label, const std::string& link) {
    return Cat({kMenuOpen, link, kMenuBarLabel, label, kMenuTableOpen, link, kLinkClose, label});
}
const std::string kEnd = Cat({kRowClose, kMenuClose, kCapsuleTail});

TEST(MenuCapsuleSegment, ChoosesItsPiecesByMenuAndItemNumber) {
    EXPECT_EQ(MenuCapsuleSegment("L", "U", 1, 0), Cat({kCapsuleHead, MenuHeader("L", "U")}));
    EXPECT_EQ(MenuCapsuleSegment("L", "U", 3, 0), Cat({kRowClose, kMenuClose, MenuHeader("L", "U")}));
    EXPECT_EQ(MenuCapsuleSegment("l", "u", 1, 1), Cat({kFirstItemRow, "u", kLinkClose, "l"}));
    EXPECT_EQ(MenuCapsuleSegment("l", "u", 2, 5), Cat({kNextItemRow, "u", kLinkClose, "l"}));
}

TEST(BuildMenuCapsule, EmptyTreeGivesNothingEvenWithCredits) {
    EXPECT_EQ(BuildMenuCapsule(MenuTree{}, ""), "");
    EXPECT_EQ(BuildMenuCapsule(MenuTree{}, CreditsMenuMarkup(true, "www.site.com ")), "");
}

TEST(BuildMenuCapsule, OneMenuWithoutItemsClosesItsHeaderRow) {
    MenuTree tree;
    tree.appendMenu("L", "U");
    EXPECT_EQ(BuildMenuCapsule(tree, ""), Cat({kCapsuleHead, MenuHeader("L", "U"), kEnd}));
}

TEST(BuildMenuCapsule, OneMenuWithItems) {
    MenuTree tree;
    const NodeId menu = tree.appendMenu("L", "U");
    tree.appendItem(menu, "l1", "u1");
    tree.appendItem(menu, "l2", "u2");
    EXPECT_EQ(BuildMenuCapsule(tree, ""), Cat({kCapsuleHead, MenuHeader("L", "U"), kFirstItemRow, "u1", kLinkClose,
                                               "l1", kNextItemRow, "u2", kLinkClose, "l2", kEnd}));
}

TEST(BuildMenuCapsule, LaterMenusCloseThePreviousOneWithOrWithoutItems) {
    MenuTree tree;
    tree.appendMenu("A", "a");
    tree.appendItem(tree.appendMenu("B", "b"), "x", "ux");
    tree.appendMenu("C", "c");
    const std::string next = Cat({kRowClose, kMenuClose});
    EXPECT_EQ(BuildMenuCapsule(tree, ""), Cat({kCapsuleHead, MenuHeader("A", "a"), next, MenuHeader("B", "b"),
                                               kFirstItemRow, "ux", kLinkClose, "x", next, MenuHeader("C", "c"),
                                               kEnd}));
}

TEST(BuildMenuCapsule, LabelsAndLinksAreVerbatim) {
    MenuTree tree;
    const NodeId menu = tree.appendMenu("Fish & <Chips>", "");
    tree.appendItem(menu, " spaced ", "www.x.com/p?a=1&b=2");
    const std::string capsule = BuildMenuCapsule(tree, "");
    // An empty link is the scheme directly followed by the suffix.
    EXPECT_NE(capsule.find("href=\"http://?menu\"><![endif]--><b>Fish & <Chips></b>"), std::string::npos);
    EXPECT_NE(capsule.find("<b><a href=\"http://?menu\">Fish & <Chips></a></b>"), std::string::npos);
    // A link with a query still gets ?menu: two question marks.
    EXPECT_NE(capsule.find("<a href=\"http://www.x.com/p?a=1&b=2?menu\"> spaced </a></TD></TR>"), std::string::npos);
}

TEST(CreditsMenu, OffIsEmpty) { EXPECT_EQ(CreditsMenuMarkup(false, "www.site.com "), ""); }

TEST(CreditsMenu, IsOneMoreMenuOfProductLinksWithTheSiteAddress) {
    const std::string base = "www.webkestrane.org/software/web-menus/";
    auto link = [&](const std::string& page) { return base + page + "?ref=www.site.com"; };
    auto row = [&](std::string_view piece, const std::string& page, const std::string& label) {
        return Cat({piece, link(page), kLinkClose, label});
    };
    const std::string expected =
        Cat({kRowClose, kMenuClose, MenuHeader("About these Menus", link("index.shtml"))}) +
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

TEST(BuildMenuCapsule, CreditsComeAfterTheLastItemBeforeTheFinalClose) {
    MenuTree tree;
    tree.appendMenu("L", "U");
    const std::string credits = CreditsMenuMarkup(true, "www.site.com ");
    EXPECT_EQ(BuildMenuCapsule(tree, credits), Cat({kCapsuleHead, MenuHeader("L", "U"), credits, kEnd}));
}

}  // namespace
}  // namespace wk
