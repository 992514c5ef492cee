// Choosing and loading a page, and the names and links it takes on commit.
#include <filesystem>

#include "markup/page_filter.h"
#include "commit_fixture.h"
#include "app/commit.h"
#include "app/settings.h"
#include "markup/page_name.h"

namespace wk::test {
namespace {

TEST_F(CommitTest, LoadingReadsThePagesCategoryWithoutAskingUnlessTheCategoryOptionIsOff) {
    // The options, the panel before, the panel after.
    for (const auto& [options, before, after] : {std::tuple("11111", "", "Blues"), {"11110", "Folk", "Folk"}}) {
        SetOptions(options);
        ws.status.category = before;
        Load("a.html", "<html><head><meta name=\"category\" content=\"Blues\"></head><body>x</body></html>");
        EXPECT_EQ(ws.status.category, after) << options;
    }
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(CommitTest, ATypedPageIsAskedForItsCategoryOnlyWhenTypingEnds) {
    site.write("jazz.html", kJazzPage);
    LoadTypedPage(ws, site.file("jazz.html"), CategoryQuestion::Defer);  // the pause
    EXPECT_EQ(ws.page.keywords, "jazz,quiz");
    EXPECT_TRUE(prompt.asked.empty());
    site.write("jazz.html", "changed");
    AnswerCategory("Music");
    LoadTypedPage(ws, site.file("jazz.html"), CategoryQuestion::AskNow);  // Enter: asked, not read again
    LoadTypedPage(ws, site.file("jazz.html"), CategoryQuestion::AskNow);  // leaving the box: asked once
    EXPECT_EQ(ws.page.text, kJazzPage);
    EXPECT_EQ(prompt.count("input"), 1u);
    EXPECT_EQ(ws.status.category, "Music");
    // A category given before typing ends answers the question.
    site.write("blues.html", kJazzPage);
    LoadTypedPage(ws, site.file("blues.html"), CategoryQuestion::Defer);
    ws.status.category = "Blues";
    LoadTypedPage(ws, site.file("blues.html"), CategoryQuestion::AskNow);
    EXPECT_EQ(prompt.count("input"), 1u);
}

TEST_F(CommitTest, LoadingAMissingPageClearsItAndKeepsThePreviousKeywordList) {
    LoadJazz("jazz.html");
    LoadPage(ws, site.file("none.html"));

    EXPECT_EQ(ws.page.path, site.file("none.html"));
    EXPECT_TRUE(ws.page.text.empty());
    EXPECT_TRUE(ws.page.keywordEntries.empty());
    EXPECT_TRUE(ws.page.description.empty());
    EXPECT_EQ(ws.page.keywords, "jazz,quiz");
    EXPECT_EQ(prompt.count("input"), 1u);
}

// Browsing with the web page filter loads the page chosen; choosing nothing keeps it.
TEST_F(CommitTest, BrowsingLoadsTheChosenPageWithTheWebPageFilter) {
    site.write("jazz.html", kJazzPage);
    prompt.fileAnswers.push_back(site.file("jazz.html"));
    AnswerCategory("Music");
    BrowsePage(ws);
    ASSERT_GE(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].kind, "file");
    EXPECT_EQ(prompt.asked[0].text, PageFilter());
    EXPECT_EQ(prompt.asked[0].title, site.path());
    BrowsePage(ws);  // cancelled
    prompt.fileAnswers.push_back(site.path() + "*.*");
    BrowsePage(ws);
    EXPECT_EQ(ws.page.path, site.file("jazz.html"));
    EXPECT_EQ(ws.page.text, kJazzPage);
}

TEST_F(CommitTest, LinksMapToFilesBelowTheSiteRoot) {
    const auto local = [&](const char* link) { return LinkToLocalPath(ws.status.siteUrl, ws.status.siteRoot, link); };
    EXPECT_EQ(local("www.acme.com/music/jazz.html"), site.file("music/jazz.html"));
    EXPECT_EQ(local("WWW.Acme.COM/jazz.html"), site.file("jazz.html"));
    EXPECT_EQ(local("www.acme.com\\music\\jazz.html"), site.file("music/jazz.html"));
    EXPECT_EQ(local("www.other.org/jazz.html"), "www.other.org/jazz.html");
    ws.status.siteUrl = "www.acme.com/ ";
    EXPECT_EQ(local("www.acme.com/jazz.html"), site.file("jazz.html"));
}

TEST_F(CommitTest, TheLastMenuLinkToThePageFollowsItIntoItsFolder) {
    SetOptions("01000");
    std::filesystem::create_directory(site.file("music"));
    const NodeId first = ws.tree.appendMenu("Jazz", "www.acme.com/music/jazz.html");
    const NodeId other = ws.tree.appendItem(first, "Blues", "www.acme.com/music/blues.html");
    const NodeId last = ws.tree.appendMenu("More jazz", "WWW.ACME.COM\\music\\jazz.html");
    Load("music/jazz.html", kJazzPage);
    CommitPage(ws);

    EXPECT_EQ(ws.tree.node(last).link, "WWW.ACME.COM\\music\\jazz.shtml");
    EXPECT_EQ(ws.tree.node(first).link, "www.acme.com/music/jazz.html");
    EXPECT_EQ(ws.tree.node(other).link, "www.acme.com/music/blues.html");
    EXPECT_EQ(ws.page.path, site.file("music/jazz.shtml"));
}

TEST_F(CommitTest, WithoutTheMenuOptionNoLinkChanges) {
    SetOptions("00100");
    const NodeId node = ws.tree.appendMenu("Jazz", "www.acme.com/jazz.html");
    Load("jazz.html", kJazzPage);
    CommitPage(ws);

    EXPECT_EQ(ws.tree.node(node).link, "www.acme.com/jazz.html");
    EXPECT_FALSE(app.exists("default.mnu"));
}

TEST_F(CommitTest, TheProposalsOptionIsStoredProposesTheLoadedPageAgainAndIsWhatACommitWrites) {
    SetOptions("00010");
    Load("jazz.html", "<html><head></head><body><nav>Home. Shop.</nav><p>Welcome. Our shop sells jazz records.</p>"
                      "</body></html>");
    EXPECT_EQ(ws.page.description.rfind("Home. Shop. Welcome.", 0), 0u) << ws.page.description;
    SetProposalMethod(ws, ProposalMethod::Improved);
    EXPECT_EQ(app.read("proposals.sgt"), "improved\r\n");
    EXPECT_EQ(ws.page.description, "Our shop sells jazz records.");
    CommitPage(ws);
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"description\" content=\"Our shop sells jazz records.\">"),
              std::string::npos);
    // Read at start-up; anything but the two names is classic.
    const std::pair<const char*, ProposalMethod> files[] = {{"improved\r\n", ProposalMethod::Improved},
                                                            {"classic", ProposalMethod::Classic},
                                                            {"Improved\r\n", ProposalMethod::Classic}};
    for (const auto& [text, method] : files) {
        app.write("proposals.sgt", text);
        EXPECT_EQ(ReadProposalsSetting(app.path()), method) << text;
    }
}

}  // namespace
}  // namespace wk::test
