#include <gtest/gtest.h>

#include "run_cli.h"

namespace {

class MenuCli : public ::testing::Test {
protected:
    wk::test::TempFolder folder;

    wk::test::CliRun run(const std::vector<std::string>& words) { return wk::test::RunCliWithApp(folder, words); }
    std::string tree() { return run({"menu"}).out; }
    void build() {
        ASSERT_EQ(run({"menu", "add", "menu", "Home", "www.home.com"}).status, 0);
        ASSERT_EQ(run({"menu", "add", "item", "News", "www.home.com/news"}).status, 0);
        ASSERT_EQ(run({"menu", "add", "item", "Blog", "www.home.com/blog", "--selected", "2"}).status, 0);
        ASSERT_EQ(run({"menu", "add", "menu", "About", "", "--selected", "3"}).status, 0);
    }
};

TEST_F(MenuCli, BuildsTheTreeWithTheAddDialogsPlacement) {
    EXPECT_EQ(tree(), "");
    build();
    EXPECT_EQ(tree(), "1\tmenu\tHome\twww.home.com\n2\titem\tNews\twww.home.com/news\n"
                      "3\titem\tBlog\twww.home.com/blog\n4\tmenu\tAbout\t\n");
    EXPECT_EQ(folder.read("default.mnu"), "Home\r\n1\r\nwww.home.com\r\nNews\r\n2\r\nwww.home.com/news\r\n"
                                          "Blog\r\n2\r\nwww.home.com/blog\r\nAbout\r\n1\r\n\r\n");
}

TEST_F(MenuCli, RefusedEntriesAndMissingNodesFailWithoutWriting) {
    build();
    const std::string before = folder.read("default.mnu");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"menu", "add", "menu", "", "www.x"}, {"menu", "add", "menu", "X", "www."},
          {"menu", "edit", "1", "Two\nlines", "www.x"}, {"menu", "add", "item", "X", "www.x", "--selected", "5"},
          {"menu", "edit", "5", "X", "www.x"}, {"menu", "up", "9"}, {"menu", "delete", "5"}}) {
        const wk::test::CliRun r = run(words);
        EXPECT_EQ(r.status, 1) << words[1];
        EXPECT_FALSE(r.err.empty()) << words[1];
    }
    EXPECT_EQ(folder.read("default.mnu"), before);
    EXPECT_EQ(run({"menu", "up", "zero"}).status, 2);
    EXPECT_EQ(run({"menu", "add", "thing", "X", "www.x"}).status, 2);
}

TEST_F(MenuCli, EditMovesAndDeletes) {
    build();
    ASSERT_EQ(run({"menu", "edit", "3", "Diary", "www.home.com/diary"}).status, 0);
    ASSERT_EQ(run({"menu", "down", "3"}).status, 0);  // the last item crosses into About
    EXPECT_EQ(tree(), "1\tmenu\tHome\twww.home.com\n2\titem\tNews\twww.home.com/news\n"
                      "3\tmenu\tAbout\t\n4\titem\tDiary\twww.home.com/diary\n");
    ASSERT_EQ(run({"menu", "up", "3"}).status, 0);  // a menu takes its items along
    EXPECT_EQ(tree(), "1\tmenu\tAbout\t\n2\titem\tDiary\twww.home.com/diary\n"
                      "3\tmenu\tHome\twww.home.com\n4\titem\tNews\twww.home.com/news\n");
    ASSERT_EQ(run({"menu", "delete", "4"}).status, 0);  // an item goes without asking
    EXPECT_EQ(tree(), "1\tmenu\tAbout\t\n2\titem\tDiary\twww.home.com/diary\n3\tmenu\tHome\twww.home.com\n");
}

TEST_F(MenuCli, DeletingAMenuNeedsYes) {
    build();
    const std::string before = folder.read("default.mnu");
    const wk::test::CliRun refused = run({"menu", "delete", "4"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos);
    EXPECT_EQ(folder.read("default.mnu"), before);
    ASSERT_EQ(run({"--yes", "menu", "delete", "1"}).status, 0);
    EXPECT_EQ(tree(), "1\tmenu\tAbout\t\n");
    ASSERT_EQ(run({"--yes", "menu", "delete", "1"}).status, 0);
    EXPECT_EQ(folder.read("default.mnu"), "\r\n");
}

TEST_F(MenuCli, CapsulePrintsTheMarkupWithoutALineBreak) {
    EXPECT_EQ(run({"capsule"}).out, "");
    ASSERT_EQ(run({"menu", "add", "menu", "A&B", "www.ab.com?x=1"}).status, 0);
    const std::string capsule = run({"capsule"}).out;
    EXPECT_EQ(capsule.rfind("<!--BEGIN Tollivance Web Kestrane Menu Capsule - Visit http://", 0), 0u);
    EXPECT_NE(capsule.find("<b><a href=\"http://www.ab.com?x=1&menu\">A&B</a></TD></TR></TBODY></TABLE>"),
              std::string::npos);
    EXPECT_EQ(capsule.back(), '>');
    EXPECT_EQ(capsule.find("About these Menus"), std::string::npos);

    ASSERT_EQ(run({"options", "set", "--credits", "on"}).status, 0);
    folder.write("boilerplate.sgt", "www.me.com\r\nOrg\r\nMe\r\n(c) Me\r\n/tmp/site/\r\n");
    const std::string credited = run({"capsule"}).out;
    EXPECT_NE(credited.find("<b>About these Menus</b>"), std::string::npos);
    EXPECT_NE(credited.find("5-optimisation.shtml?ref=www.me.com&menu\">Click for more!</a></TD></TR></TBODY>"),
              std::string::npos);
}

}  // namespace
