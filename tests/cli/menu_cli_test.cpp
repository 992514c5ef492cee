// The menu commands run as a user runs them. The tree's rules are the core's
// to test; here: node numbers, the printed tree, --yes and the exit status.
#include <gtest/gtest.h>

#include "run_cli.h"

namespace {

class MenuCli : public wk::test::CliTest {
protected:
    std::string tree() { return Run({"menu"}).out; }
    void build() {
        ASSERT_EQ(Run({"menu", "add", "menu", "Home", "www.home.com"}).status, 0);
        ASSERT_EQ(Run({"menu", "add", "item", "News", "www.home.com/news"}).status, 0);
        ASSERT_EQ(Run({"menu", "add", "item", "Blog", "www.home.com/blog", "--selected", "2"}).status, 0);
        ASSERT_EQ(Run({"menu", "add", "menu", "About", "www.home.com/about", "--selected", "3"}).status, 0);
    }
};

TEST_F(MenuCli, NodesAreNumberedInDisplayOrderForAddEditMoveAndDelete) {
    EXPECT_EQ(tree(), "");
    build();
    EXPECT_EQ(tree(), "1\tmenu\tHome\twww.home.com\n2\titem\tNews\twww.home.com/news\n"
                      "3\titem\tBlog\twww.home.com/blog\n4\tmenu\tAbout\twww.home.com/about\n");
    ASSERT_EQ(Run({"menu", "edit", "3", "Diary", "www.home.com/diary"}).status, 0);
    ASSERT_EQ(Run({"menu", "down", "3"}).status, 0);  // the last item crosses into About
    ASSERT_EQ(Run({"menu", "up", "3"}).status, 0);    // a menu takes its items along
    ASSERT_EQ(Run({"menu", "delete", "4"}).status, 0);  // an item goes without asking
    EXPECT_EQ(tree(), "1\tmenu\tAbout\twww.home.com/about\n2\titem\tDiary\twww.home.com/diary\n"
                      "3\tmenu\tHome\twww.home.com\n");
}

TEST_F(MenuCli, RefusedEntriesAndMissingNodesFailWithoutWriting) {
    build();
    const std::string before = app.read("default.mnu");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"menu", "add", "menu", "X", "www."}, {"menu", "edit", "1", "Two\nlines", "www.x"},
          {"menu", "add", "item", "X", "www.x", "--selected", "5"}, {"menu", "edit", "5", "X", "www.x"},
          {"menu", "up", "9"}, {"menu", "delete", "5"}}) {
        const wk::test::CliRun r = Run(words);
        EXPECT_EQ(r.status, 1) << words[1];
        EXPECT_FALSE(r.err.empty()) << words[1];
    }
    EXPECT_EQ(app.read("default.mnu"), before);
    EXPECT_EQ(Run({"menu", "up", "zero"}).status, 2);
    EXPECT_EQ(Run({"menu", "add", "thing", "X", "www.x"}).status, 2);
}

TEST_F(MenuCli, AMenuThatMakesTheBarTooWideIsCutTo95UnlessYes) {
    ASSERT_EQ(Run({"menu", "add", "menu", "Home", "www.home.com"}).status, 0);
    const std::string wide(100, 'w');
    const wk::test::CliRun cut = Run({"menu", "add", "menu", wide, "www.w.com"});
    EXPECT_EQ(cut.status, 0);
    EXPECT_NE(cut.err.find("cut to 95"), std::string::npos) << cut.err;
    ASSERT_EQ(Run({"--yes", "menu", "add", "menu", wide, "www.w.com", "--selected", "2"}).status, 0);
    EXPECT_EQ(tree(), "1\tmenu\tHome\twww.home.com\n2\tmenu\t" + wide.substr(0, 95) + "\twww.w.com\n3\tmenu\t" + wide +
                          "\twww.w.com\n");
}

TEST_F(MenuCli, DeletingAMenuNeedsYes) {
    build();
    const std::string before = app.read("default.mnu");
    EXPECT_TRUE(wk::test::FailsNaming(Run({"menu", "delete", "4"}), "--yes"));
    EXPECT_EQ(app.read("default.mnu"), before);
    ASSERT_EQ(Run({"--yes", "menu", "delete", "1"}).status, 0);
    EXPECT_EQ(tree(), "1\tmenu\tAbout\twww.home.com/about\n");
}

TEST_F(MenuCli, CapsulePrintsTheMarkupWithoutALineBreakAndCreditsFollowTheSettings) {
    EXPECT_EQ(Run({"capsule"}).out, "");
    ASSERT_EQ(Run({"menu", "add", "menu", "A&B", "www.ab.com?x=1"}).status, 0);
    const std::string capsule = Run({"capsule"}).out;
    EXPECT_NE(capsule.find("<b><a href=\"http://www.ab.com?x=1&menu\">A&B</a></TD></TR></TBODY></TABLE>"),
              std::string::npos);
    EXPECT_EQ(capsule.back(), '>');
    ASSERT_EQ(Run({"options", "set", "--credits", "on"}).status, 0);
    app.write("boilerplate.sgt", "www.me.com\r\nOrg\r\nMe\r\n(c) Me\r\n/tmp/site/\r\n");
    const std::string credited = Run({"capsule"}).out;
    EXPECT_NE(credited.find("?ref=www.me.com&menu\">Click for more!</a></TD></TR></TBODY>"), std::string::npos);
}

}  // namespace
