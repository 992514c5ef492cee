#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands_menu.h"
#include "app/startup.h"
#include "menu/menu_file.h"
#include "support/scratch_workspace.h"
#include "tree_text.h"

namespace wk {
namespace {

using test::Describe;
using test::TreeFrom;

struct MenuCommands : ::testing::Test, test::ScratchWorkspace {
    std::string file() const { return folder.read("default.mnu"); }
    void storeTree(const std::string& description) {
        ws.tree = TreeFrom(description);
        ASSERT_TRUE(SaveMenuTree(folder.path(), ws.tree));
    }
};

TEST_F(MenuCommands, RefusedEntriesChangeNothing) {
    storeTree("*A[]");
    // The reason the dialogs show names the entry at fault.
    const std::string name = "Enter a name.", link = "Enter a link after www.";
    const std::string lines = "A name or link cannot hold a line break.";
    const std::pair<NodeEntry, std::string> refused[] = {
        {{true, "", "www.x"}, name},  {{true, "X", "www."}, link},  {{false, "two\nlines", "www.x"}, lines},
        {{false, "X", "www.x\r"}, lines}, {{true, "X", ""}, link}, {{true, "X", "www"}, link},
        {{false, "X", "http://www.x"}, link}};
    for (const auto& [entry, reason] : refused) {
        EXPECT_EQ(RefusalReason(entry), reason);
        EXPECT_TRUE(EntryRefused(entry));
        EXPECT_FALSE(AddNode(ws, entry));
        EXPECT_FALSE(EditSelectedNode(ws, entry.label, entry.link));
    }
    EXPECT_EQ(Describe(ws.tree), "*A[]");
    // The prefix with anything after it is accepted.
    EXPECT_FALSE(EntryRefused({true, "X", "www.a"}));
}

TEST_F(MenuCommands, AddSavesOnlyWhenTheDialogClosesAndClosingUnchangedStillRewritesTheFile) {
    ASSERT_TRUE(AddNode(ws, {false, "Home", "www.home.com"}));  // an empty tree forces a menu
    EXPECT_EQ(Describe(ws.tree), "*Home[]");
    EXPECT_FALSE(folder.exists("default.mnu"));
    CloseNodeDialog(ws);
    EXPECT_EQ(file(), "Home\r\n1\r\nwww.home.com\r\n");
    folder.write("default.mnu", "A\n1\nwww.a\n");
    ASSERT_TRUE(LoadMenuTree(folder.path(), ws.tree));
    CloseNodeDialog(ws);
    EXPECT_EQ(file(), "A\r\n1\r\nwww.a\r\n");
}

TEST_F(MenuCommands, EditChangesLabelAndLinkOnly) {
    storeTree("A[*x,y]");
    ASSERT_TRUE(EditSelectedNode(ws, "renamed", "www.new"));
    CloseNodeDialog(ws);
    EXPECT_EQ(Describe(ws.tree), "A[*renamed,y]");
    EXPECT_EQ(file(), "A\r\n1\r\nwww.a\r\nrenamed\r\n2\r\nwww.new\r\ny\r\n2\r\nwww.y\r\n");
    MenuTree empty;
    ws.tree = empty;
    EXPECT_FALSE(EditSelectedNode(ws, "X", "www.x"));
}

TEST_F(MenuCommands, MovesSaveEvenWhenNothingMovesAndWithoutSelectionActOnTheFirstNode) {
    storeTree("*A[] B[]");
    folder.write("default.mnu", "stale");
    MoveSelectedUp(ws);
    EXPECT_EQ(file(), "A\r\n1\r\nwww.a\r\nB\r\n1\r\nwww.b\r\n");
    MoveSelectedDown(ws);
    EXPECT_EQ(file(), "B\r\n1\r\nwww.b\r\nA\r\n1\r\nwww.a\r\n");
    storeTree("A[] B[]");
    MoveSelectedDown(ws);
    EXPECT_EQ(Describe(ws.tree), "B[] *A[]");
    // An empty tree is left alone.
    ws.tree = MenuTree{};
    std::filesystem::remove(folder.file("default.mnu"));
    MoveSelectedUp(ws);
    MoveSelectedDown(ws);
    EXPECT_FALSE(DeleteSelected(ws));
    EXPECT_FALSE(folder.exists("default.mnu"));
    EXPECT_EQ(prompt.count("yesno"), 0u);
}

TEST_F(MenuCommands, DeletingAMenuAnsweredNoLeavesTreeAndFileUntouched) {
    storeTree("*A[] B[x]");
    folder.write("default.mnu", "as it was");
    prompt.yesNoAnswers = {false};
    EXPECT_FALSE(DeleteSelected(ws));
    EXPECT_EQ(Describe(ws.tree), "*A[] B[x]");
    EXPECT_EQ(file(), "as it was");
    EXPECT_EQ(prompt.count("yesno"), 1u);  // asked also for a menu without items
}

TEST_F(MenuCommands, DeletingAnItemDoesNotAskAndAMenuGoesWithItsItemsOnYes) {
    storeTree("A[x,*y] B[z]");
    EXPECT_TRUE(DeleteSelected(ws));
    EXPECT_EQ(prompt.count("yesno"), 0u);
    EXPECT_EQ(Describe(ws.tree), "A[x] *B[z]");  // index 3 passed to B
    ws.tree.select(ws.tree.menus()[0]);
    prompt.yesNoAnswers = {true};
    EXPECT_TRUE(DeleteSelected(ws));
    EXPECT_EQ(Describe(ws.tree), "*B[z]");
    EXPECT_EQ(file(), "B\r\n1\r\nwww.b\r\nz\r\n2\r\nwww.z\r\n");
    // The only node left going leaves one empty line.
    storeTree("*A[]");
    prompt.yesNoAnswers = {true};
    EXPECT_TRUE(DeleteSelected(ws));
    EXPECT_TRUE(ws.tree.empty());
    EXPECT_FALSE(ws.tree.selected());
    EXPECT_EQ(file(), "\r\n");
}

TEST_F(MenuCommands, SaveFailureBecomesANotice) {
    ws.appFolder = folder.path() + "gone/deeper/";
    ws.tree = TreeFrom("*A[]");
    MoveSelectedUp(ws);
    ASSERT_EQ(ws.notices.size(), 1u);
    EXPECT_NE(ws.notices[0].find("gone/deeper/"), std::string::npos);
}

TEST_F(MenuCommands, WidthCheckWarnsFromTheSixthCharacterWhenFiveAreLeft) {
    ws.tree = TreeFrom(std::string(40, 'a') + "[x] " + std::string(50, 'b') + "[]");
    ws.tree.select(ws.tree.menus()[1]);
    for (std::size_t length = 0; length <= 7; ++length)
        EXPECT_EQ(MenuBarTooWide(ws, std::string(length, 'n'), true), length >= 6) << length << " characters";
    // Only for a new menu beside a selected menu.
    EXPECT_FALSE(MenuBarTooWide(ws, "longer than five", false));
    ws.tree.select(ws.tree.items(ws.tree.menus()[0])[0]);
    EXPECT_FALSE(MenuBarTooWide(ws, "longer than five", true));
    EXPECT_FALSE(MenuBarTooWide(Workspace(folder.path(), prompt), std::string(200, 'n'), true));
    // Menus already past the limit count.
    ws.tree = TreeFrom("*" + std::string(120, 'a') + "[]");
    EXPECT_TRUE(MenuBarTooWide(ws, "", true));
}

TEST_F(MenuCommands, NoToTheWidthQuestionCutsToNinetyFiveCharacters) {
    const std::string long_label(100, 'x');
    prompt.yesNoAnswers = {true, false, false};
    EXPECT_EQ(ConfirmMenuBarWidth(ws, long_label), long_label);
    EXPECT_EQ(ConfirmMenuBarWidth(ws, long_label), std::string(95, 'x'));
    EXPECT_EQ(ConfirmMenuBarWidth(ws, "short"), "short");
}

TEST_F(MenuCommands, BrowseTurnsAPageBelowTheSiteRootIntoItsAddress) {
    ws.status.siteRoot = "/home/me/site/";
    ws.status.siteUrl = "www.me.com ";
    EXPECT_EQ(BrowseLinkFor(ws, "/home/me/site/news/today.html"), "www.me.com/news/today.html");
    EXPECT_EQ(BrowseLinkFor(ws, "/home/me/site/a\\b.htm"), "www.me.com/a/b.htm");
    EXPECT_FALSE(BrowseLinkFor(ws, ""));
    EXPECT_FALSE(BrowseLinkFor(ws, "/home/me/site/*.*"));
    EXPECT_FALSE(BrowseLinkFor(ws, "/home/other/page.html"));  // outside the site: no address
    ws.status.siteUrl = " ";
    EXPECT_FALSE(BrowseLinkFor(ws, "/home/me/site/page.html"));
}

TEST_F(MenuCommands, BrowseAsksOnlyWhenTheSiteIsKnown) {
    prompt.fileAnswers = {"/home/me/site/index.html"};
    EXPECT_FALSE(BrowseForLink(ws));
    EXPECT_EQ(prompt.count("file"), 0u);
    ws.status.siteRoot = "/home/me/site/";
    ws.status.siteUrl = "www.me.com ";
    EXPECT_EQ(BrowseForLink(ws), "www.me.com/index.html");
    ASSERT_EQ(prompt.count("file"), 1u);
    EXPECT_EQ(prompt.asked[0].title, "/home/me/site/");  // the dialog opens in the site folder
    EXPECT_EQ(prompt.asked[0].text, PageFilter());
}

TEST_F(MenuCommands, CapsuleFollowsTheCreditsSwitch) {
    ws.tree = TreeFrom("A[]");
    ws.status.siteUrl = "www.me.com ";
    const std::string plain = MenuCapsule(ws);
    ws.status.credits = true;
    const std::string credited = MenuCapsule(ws);
    EXPECT_NE(plain, credited);
    EXPECT_NE(credited.find("?ref=www.me.com&menu\">Click for more!</a></TD></TR>"), std::string::npos);
}

TEST_F(MenuCommands, MagnifierTwiceReturnsToSmallWithTheSameTreeAndSelection) {
    storeTree("A[x] B[*y]");
    ws.tree.setExpanded(ws.tree.menus().front(), false);
    for (bool magnified : {true, false}) {
        ToggleMagnifier(ws);
        EXPECT_EQ(ws.magnified, magnified);
        EXPECT_EQ(Describe(ws.tree), "A[x] B[*y]");
        EXPECT_FALSE(ws.tree.node(ws.tree.menus().front()).expanded);
    }
}

TEST_F(MenuCommands, StartUpLoadsTheTreeAndMagnifiesOnlyWithAMenuFile) {
    Workspace first(folder.path(), prompt);
    StartUp(first);
    EXPECT_FALSE(first.magnified);
    EXPECT_TRUE(first.tree.empty());

    folder.write("default.mnu", "A\r\n1\r\nwww.a\r\nx\r\n2\r\n\r\n");
    Workspace second(folder.path(), prompt);
    StartUp(second);
    EXPECT_TRUE(second.magnified);
    EXPECT_EQ(Describe(second.tree), "*A[x]");
}

}  // namespace
}  // namespace wk
