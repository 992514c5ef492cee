#include <gtest/gtest.h>

#include "menu/capsule.h"
#include "tree_text.h"

namespace wk {
namespace {

using test::TreeFrom;

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

// The mark-up of one menu from its bar entry to its bold first row.
std::string MenuHeader(const std::string& label, const std::string& link) {
    const std::string href = link + "?menu";
    return Cat({kMenuOpen, href, kMenuBarLabel, label, kMenuTableOpen, href, kLinkClose, label});
}
// One item row: its opening piece, the link with the menu query, the label.
std::string Row(std::string_view piece, const std::string& link, const std::string& label) {
    return Cat({piece, link + "?menu", kLinkClose, label});
}
const std::string kEnd = Cat({kRowClose, kMenuClose, kCapsuleTail});

TEST(MenuCapsuleSegment, ChoosesItsPiecesByMenuAndItemNumber) {
    EXPECT_EQ(MenuCapsuleSegment("L", "U", 1, 0), Cat({kCapsuleHead, MenuHeader("L", "U")}));
    EXPECT_EQ(MenuCapsuleSegment("L", "U", 3, 0), Cat({kRowClose, kMenuClose, MenuHeader("L", "U")}));
    EXPECT_EQ(MenuCapsuleSegment("l", "u", 1, 1), Row(kFirstItemRow, "u", "l"));
    EXPECT_EQ(MenuCapsuleSegment("l", "u", 2, 5), Row(kNextItemRow, "u", "l"));
}

TEST(BuildMenuCapsule, LaterMenusCloseThePreviousOneAndCreditsComeLastBeforeTheFinalClose) {
    EXPECT_EQ(BuildMenuCapsule(MenuTree{}, "[credits]"), "");  // an empty tree gives nothing, even with credits
    const std::string head = Cat({kCapsuleHead, MenuHeader("A", "www.a")}), next = Cat({kRowClose, kMenuClose});
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"A[]", "", head + kEnd},
        {"A[]", "[credits]", head + "[credits]" + kEnd},
        {"A[x]", "[credits]", head + Row(kFirstItemRow, "www.x", "x") + "[credits]" + kEnd},
        {"A[x,y]", "", head + Row(kFirstItemRow, "www.x", "x") + Row(kNextItemRow, "www.y", "y") + kEnd},
        {"A[] B[x] C[]", "",
         head + next + MenuHeader("B", "www.b") + Row(kFirstItemRow, "www.x", "x") + next + MenuHeader("C", "www.c") +
             kEnd},
    };
    for (const auto& [tree, credits, capsule] : cases)
        EXPECT_EQ(BuildMenuCapsule(TreeFrom(tree), credits), capsule) << tree << credits;
}

TEST(BuildMenuCapsule, KeyboardMenusMakeEveryBarEntryFocusableAndChangeNothingElse) {
    const std::string capsule = BuildMenuCapsule(TreeFrom("A[x] B[] C[y,z]"), "", true);
    std::string plain = capsule;
    for (std::size_t at; (at = plain.find(kFocusableMenuOpen)) != std::string::npos;)
        plain.replace(at, kFocusableMenuOpen.size(), kMenuOpen);
    EXPECT_EQ(plain, BuildMenuCapsule(TreeFrom("A[x] B[] C[y,z]"), ""));
    EXPECT_EQ(capsule.size() - plain.size(), 3 * (kFocusableMenuOpen.size() - kMenuOpen.size()));
}

TEST(BuildMenuCapsule, LabelsAreVerbatimAndLinksKeepTheMarkupWhole) {
    MenuTree tree;
    const NodeId menu = tree.appendMenu("Fish & <Chips>", "");
    tree.appendItem(menu, " spaced ", "www.x.com/p?a=1&b=2");
    tree.appendItem(menu, "odd", "www.x.com/a b\"<c>.html#top");
    const std::string capsule = BuildMenuCapsule(tree, "");
    // An empty link is the scheme directly followed by the query.
    EXPECT_NE(capsule.find("href=\"http://?menu\"><![endif]--><b>Fish & <Chips></b>"), std::string::npos);
    EXPECT_NE(capsule.find("<b><a href=\"http://?menu\">Fish & <Chips></a></b>"), std::string::npos);
    // A link with a query gets "&menu": one question mark in the address.
    EXPECT_NE(capsule.find("<a href=\"http://www.x.com/p?a=1&b=2&menu\"> spaced </a></TD></TR>"), std::string::npos);
    // Quotes, brackets and spaces cannot end the href or open a tag; the query goes before the fragment.
    EXPECT_NE(capsule.find("<a href=\"http://www.x.com/a%20b%22%3Cc%3E.html?menu#top\">odd</a>"), std::string::npos);
}

}  // namespace
}  // namespace wk
