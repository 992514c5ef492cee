// The jazz page committed with every option on, byte for byte, and again.
#include "app/commands_menu.h"
#include "ground/file_routines.h"
#include "commit_fixture.h"
#include "app/commit.h"
#include "menu/menu_file.h"
#include "style/style_sheet.h"

namespace wk::test {
namespace {

class JazzPageCommit : public CommitTest {
protected:
    NodeId jazzLink = 0;

    void SetUp() override {
        CommitTest::SetUp();
        const NodeId menu = ws.tree.appendMenu("Music", "www.acme.com/index.html");
        jazzLink = ws.tree.appendItem(menu, "Jazz", "www.acme.com/jazz.html");
        LoadJazz("jazz.html");
    }
};

TEST_F(JazzPageCommit, LoadingProposesKeywordsDescriptionAndAsksTheCategory) {
    EXPECT_EQ(ws.page.text, kJazzPage);
    EXPECT_EQ(ws.page.keywords, "jazz,quiz");
    EXPECT_EQ(ws.page.keywordEntries, (std::vector<std::string>{"jazz", "quiz"}));
    EXPECT_EQ(ws.page.description, "Jazz quiz: jazz! ");
    EXPECT_EQ(ws.status.category, "Music");
    ASSERT_EQ(prompt.count("input"), 1u);
    EXPECT_EQ(prompt.asked[0].title, "Empty Category");
    EXPECT_EQ(prompt.asked[0].text, "This page has no category. Please enter the category:");
}

TEST_F(JazzPageCommit, WritesThePageTheStyleSheetAndTheIncludeFile) {
    const CommitResult result = CommitPage(ws);

    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.writtenPath, site.file("jazz.shtml"));
    EXPECT_EQ(site.read("jazz.shtml"), CommittedJazz());
    EXPECT_EQ(Menu("0.css"), BuildStyleSheet(ws.style) + "\r\n");
    // The live menu links the page under its new name, never the file just deleted.
    EXPECT_EQ(Menu("_Tollivance_Web_Kestrane_Menu_System.mnu"), MenuCapsule(ws) + "\r\n");
    EXPECT_NE(MenuCapsule(ws).find("www.acme.com/jazz.shtml?menu"), std::string::npos);
    EXPECT_EQ(prompt.count("message"), 0u);
}

TEST_F(JazzPageCommit, MovesThePageToItsShtmlNameAndLoadsIt) {
    CommitPage(ws);

    EXPECT_FALSE(site.exists("jazz.html"));
    EXPECT_EQ(ws.page.path, site.file("jazz.shtml"));
    EXPECT_EQ(ws.page.text, CommittedJazz());
    EXPECT_EQ(ws.page.keywords, "jazz,quiz");
    // The reloaded page carries its category, so nothing more is asked.
    EXPECT_EQ(prompt.count("input"), 1u);
}

TEST_F(JazzPageCommit, TheMenuLinkFollowsThePageAndIsSaved) {
    CommitPage(ws);

    EXPECT_EQ(ws.tree.node(jazzLink).link, "www.acme.com/jazz.shtml");
    EXPECT_EQ(ws.tree.node(ws.tree.menus()[0]).link, "www.acme.com/index.html");
    EXPECT_EQ(ReadWholeFile(app.path(), kMenuFile), MenuFileText(ws.tree) + "\r\n");
    EXPECT_NE(ReadWholeFile(app.path(), kMenuFile).find("www.acme.com/jazz.shtml"), std::string::npos);
}

TEST_F(JazzPageCommit, CommittingAgainOnlyTypesTheStyleTag) {
    CommitPage(ws);
    const CommitResult again = CommitPage(ws);

    std::string expected = CommittedJazz();
    const std::size_t style = expected.find("<style>");
    expected.replace(style, 7, "<style type=\"text/css\">");
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.writtenPath, site.file("jazz.shtml"));
    // No second line break at the end: the page does not grow.
    EXPECT_EQ(site.read("jazz.shtml"), expected);
    EXPECT_TRUE(site.exists("jazz.shtml"));

    // A third commit finds nothing left to change.
    CommitPage(ws);
    EXPECT_EQ(site.read("jazz.shtml"), expected);
}

TEST_F(CommitTest, NewMetaTagsLandAboveOldOnesAndExistingTagsKeepTheirPlace) {
    SetOptions("10000");
    Load("about.html",
         "<html><head><title>t</title><meta name=\"author\" content=\"Old Hand\"></head><body>x</body></html>");
    CommitPage(ws);

    EXPECT_EQ(site.read("about.shtml"),
              "<html><head>\r\n<meta name=\"copyright\" content=\"Acme Ltd 2005\">\r\n"
              "<meta name=\"company\" content=\"Acme Ltd\"><title>t</title>"
              "<meta name=\"author\" content=\"Web Team\"></head><body>x</body></html>\r\n");
}

TEST_F(CommitTest, BoilerplateEntriesAreTrimmedOfTheirPanelSpaces) {
    SetOptions("10000");
    ws.status.author = "  Web Team   ";
    Load("a.html", kJazzPage);
    CommitPage(ws);

    EXPECT_NE(site.read("a.shtml").find("<meta name=\"author\" content=\"Web Team\">"), std::string::npos);
}

}  // namespace
}  // namespace wk::test
