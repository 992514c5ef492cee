#include <gtest/gtest.h>

#include "menu/menu_file.h"
#include "support/temp_folder.h"
#include "tree_text.h"

namespace wk {
namespace {

using test::Describe;
using test::TempFolder;
using test::TreeFrom;

MenuTree Loaded(const TempFolder& folder) {
    MenuTree tree;
    EXPECT_TRUE(LoadMenuTree(folder.path(), tree));
    return tree;
}

TEST(MenuFile, TwoMenusGiveTwelveLinesInDisplayOrder) {
    TempFolder folder;
    MenuTree tree = TreeFrom("Home[News,Blog] About[]");
    ASSERT_TRUE(SaveMenuTree(folder.path(), tree));
    EXPECT_EQ(folder.read("default.mnu"),
              "Home\r\n1\r\nwww.home\r\nNews\r\n2\r\nwww.news\r\nBlog\r\n2\r\nwww.blog\r\n"
              "About\r\n1\r\nwww.about\r\n");
}

TEST(MenuFile, EmptyTreeIsOneEmptyLineAndLoadsEmptyButAMissingFileLeavesTheTreeUnchanged) {
    TempFolder folder;
    MenuTree kept = TreeFrom("A[*x]");
    EXPECT_FALSE(LoadMenuTree(folder.path(), kept));
    EXPECT_EQ(Describe(kept), "A[*x]");
    ASSERT_TRUE(SaveMenuTree(folder.path(), MenuTree{}));
    EXPECT_EQ(folder.read("default.mnu"), "\r\n");
    MenuTree tree = TreeFrom("Old[x]");
    ASSERT_TRUE(LoadMenuTree(folder.path(), tree));
    EXPECT_TRUE(tree.empty());
    EXPECT_FALSE(tree.selected());
}

TEST(MenuFile, RoundTripKeepsOrderLabelsLinksExpandsAllAndSelectsFirstMenu) {
    TempFolder folder;
    MenuTree tree = TreeFrom("A[x,y] B[] C[*z]");
    tree.setLink(test::Labelled(tree, "y"), "");  // an empty link survives as an empty line
    tree.setExpanded(test::Labelled(tree, "A"), false);
    ASSERT_TRUE(SaveMenuTree(folder.path(), tree));
    MenuTree back = Loaded(folder);
    EXPECT_EQ(Describe(back), "*A[x,y] B[] C[z]");
    EXPECT_EQ(MenuFileText(back), MenuFileText(tree));
    for (NodeId id : back.displayOrder()) EXPECT_TRUE(back.node(id).expanded);
}

TEST(MenuFile, EqualLabelsStayDistinctMenus) {
    TempFolder folder;
    folder.write("default.mnu", "Same\r\n1\r\nwww.one\r\nSame\r\n1\r\nwww.two\r\n");
    MenuTree tree = Loaded(folder);
    ASSERT_EQ(tree.menus().size(), 2u);
    EXPECT_EQ(tree.node(tree.menus()[1]).link, "www.two");
    ASSERT_TRUE(SaveMenuTree(folder.path(), tree));
    EXPECT_EQ(folder.read("default.mnu"), "Same\r\n1\r\nwww.one\r\nSame\r\n1\r\nwww.two\r\n");
}

TEST(MenuFile, OtherLineEndsLoadAndLinesAfterTheLastCompleteRecordAreIgnored) {
    TempFolder folder;
    const std::pair<const char*, const char*> cases[] = {
        {"A\n1\nwww.a\nx\n2\nwww.x\n", "*A[x]"},
        {"A\r\n1\r\nwww.a\r\nx\r\n2\r\nwww.x\r\nB\r\n", "*A[x]"},  // 7 lines
        {"A\r\n1\r\nwww.a\r\nB\r\n1", "*A[]"},                          // cut inside the kind line
        {"", ""}};
    for (const auto& [text, tree] : cases) {
        folder.write("default.mnu", text);
        EXPECT_EQ(Describe(Loaded(folder)), tree) << text;
    }
}

TEST(MenuFile, BadRecordsLoadWhatTheyCan) {
    TempFolder folder;
    // An item before any menu becomes a menu; any kind other than exactly "1"
    // is an item of the current menu.
    folder.write("default.mnu", "lost\r\n2\r\nwww.l\r\nodd\r\n7\r\n\r\nA\r\n1\r\nwww.a\r\nspaced\r\n1 \r\nwww.s\r\n"
                                "word\r\nmenu\r\nwww.w\r\n");
    MenuTree tree = Loaded(folder);
    EXPECT_EQ(Describe(tree), "*lost[odd] A[spaced,word]");
    EXPECT_EQ(tree.node(test::Labelled(tree, "lost")).kind, NodeKind::Menu);
    // Saving writes the sound form back.
    EXPECT_EQ(MenuFileText(tree), "lost\r\n1\r\nwww.l\r\nodd\r\n2\r\n\r\nA\r\n1\r\nwww.a\r\nspaced\r\n2\r\nwww.s\r\n"
                                  "word\r\n2\r\nwww.w");
}

TEST(MenuFile, UnwritableFolderIsReportedNotHidden) {
    TempFolder folder;
    const WriteOutcome outcome = SaveMenuTree(folder.path() + "missing/deeper/", TreeFrom("A[]"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("missing/deeper/"), std::string::npos);
}

}  // namespace
}  // namespace wk
