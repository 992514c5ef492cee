// The commands that take a page, run as a user runs them: commit on the jazz
// page, and the generators. What they write or produce is the core's to test;
// here: arguments, what each prints, the exit status, the streams.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/jazz_page.h"
#include "support/run_cli.h"

namespace {

using wk::test::CliRun;
using wk::test::FailsNaming;

class CommitCli : public wk::test::CliTest {
protected:
    wk::test::TempFolder site;

    void SetUp() override {
        const CliRun boilerplate =
            Run({"boilerplate", "set", "www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2005", site.path()});
        ASSERT_EQ(boilerplate.status, 0);
        ASSERT_EQ(Run({"options", "set", "--commit", "11111"}).status, 0);
        ASSERT_EQ(Run({"menu", "add", "menu", "Jazz", "www.acme.com/jazz.html"}).status, 0);
        site.write("jazz.html", wk::test::kJazzPage);
    }
};

TEST_F(CommitCli, ARelativePageIsCommittedWithTheCategoryGivenAndItsNewPathPrinted) {
    const CliRun run = Run({"commit", "jazz.html", "--category", "Music"}, site.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, site.file("jazz.shtml") + "\n");
    EXPECT_EQ(site.read("jazz.shtml"), wk::test::CommittedJazz());
    // The sheet and capsule printed are the ones written; the moved page's link is saved.
    EXPECT_EQ(site.read("_/0.css"), Run({"css"}).out + "\r\n");
    EXPECT_EQ(site.read("_/_Tollivance_Web_Kestrane_Menu_System.mnu"), Run({"capsule"}).out + "\r\n");
    EXPECT_EQ(Run({"menu"}).out, "1\tmenu\tJazz\twww.acme.com/jazz.shtml\n");
}

TEST_F(CommitCli, TheDescriptionOptionReplacesTheProposalAndAnUnansweredCategoryIsEmpty) {
    const CliRun run = Run({"commit", site.file("jazz.html"), "--description", "All that jazz"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string page = site.read("jazz.shtml");
    EXPECT_NE(page.find("<meta name=\"description\" content=\"All that jazz\">"), std::string::npos) << page;
    EXPECT_NE(page.find("<meta name=\"category\" content=\"\">"), std::string::npos) << page;
}

TEST_F(CommitCli, AMissingPageFailsNamingItAndPrintsNothing) {
    const CliRun run = Run({"commit", site.file("gone.html")});
    EXPECT_TRUE(FailsNaming(run, site.file("gone.html")));
    EXPECT_TRUE(run.out.empty());
}

TEST_F(CommitCli, AMissingAnchorPrintsTheSavedPageButFailsNamingTheAnchor) {
    ASSERT_EQ(Run({"options", "set", "--anchor", "nav"}).status, 0);
    const CliRun run = Run({"commit", site.file("jazz.html")});
    EXPECT_TRUE(FailsNaming(run, "<nav>"));
    EXPECT_EQ(run.out, site.file("jazz.shtml") + "\n");
}

TEST_F(CommitCli, WithNoOptionTheSavedPageIsPrintedAndThatIsSaid) {
    ASSERT_EQ(Run({"options", "set", "--commit", "00000"}).status, 0);
    const CliRun run = Run({"commit", site.file("jazz.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(site.file("jazz.shtml")), std::string::npos) << run.err;
    EXPECT_EQ(run.out, site.file("jazz.shtml") + "\n");
}

TEST_F(CommitCli, WithoutAPageTheMenuFilesAreWrittenAndNamed) {
    const CliRun run = Run({"commit"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, site.file("_/0.css") + "\n" + site.file("_/_Tollivance_Web_Kestrane_Menu_System.mnu") + "\n");
}

TEST_F(CommitCli, AMenuFolderThatCannotBeCreatedFailsNamingIt) {
    site.write("_", "a file where the menu folder belongs");
    const CliRun run = Run({"commit", site.file("jazz.html"), "--category", "Music"});
    EXPECT_TRUE(FailsNaming(run, site.file("_")));
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(site.exists("jazz.html"));
    EXPECT_FALSE(site.exists("jazz.shtml"));
}

TEST_F(CommitCli, ExtraWordsAreWrongUsage) {
    EXPECT_EQ(Run({"commit", "a.html", "b.html"}).status, 2);
    EXPECT_EQ(Run({"commit", "--keywords", "x"}).status, 2);
}

TEST_F(CommitCli, PreviewPrintsThePathWrittenAndFailsOnAMissingPage) {
    ASSERT_EQ(Run({"commit", site.file("jazz.html"), "--category", "Music"}).status, 0);
    const std::string capsule = Run({"capsule"}).out;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"preview", "jazz.shtml"}, site.file("Temporary.shtml")},
        {{"preview", "jazz.shtml", "--out", "copy.html"}, site.file("copy.html")},
    };
    for (const auto& [words, written] : cases) {
        const CliRun run = Run(words, site.path());
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, written + "\n");
        EXPECT_NE(site.read(written.substr(site.path().size())).find(capsule), std::string::npos);
    }
    EXPECT_TRUE(FailsNaming(Run({"preview", site.file("gone.shtml")}), site.file("gone.shtml")));
    EXPECT_EQ(Run({"preview"}).status, 2);
}

using GeneratorsCli = wk::test::CliTest;

TEST_F(GeneratorsCli, EachPrintsItsResultForThePageALineOrThePageAsItIs) {
    const std::string page = "<p>Welcome. Our shop sells jazz records.</p><p>Jazz quiz: jazz!</p>";
    app.write("jazz.html", "<html><head><title>Jazz</title></head><body>" + page + "</body></html>");
    app.write("hello.html", "Hello");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        // The body's plain text, before lower-casing.
        {{"plaintext", "jazz.html"}, "Welcome. Our shop sells jazz records. Jazz quiz: jazz! \n"},
        {{"keywords", "jazz.html"}, "jazz,quiz,welcome\n"},
        {{"description", "jazz.html"},
         "Welcome. Our shop sells jazz records. Our shop sells jazz records.  Jazz quiz: jazz!\n"},
        {{"normalise", "hello.html"}, "<html><head></head><body>Hello</body></html>"},
    };
    for (const auto& [words, out] : cases) {
        const CliRun run = Run({words[0], app.file(words[1])});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, out) << words[0];
    }
    EXPECT_EQ(app.read("hello.html"), "Hello");  // normalise leaves the file as it was
}

TEST_F(GeneratorsCli, AnUnreadablePageFailsNamingTheFile) {
    for (const char* command : {"plaintext", "keywords", "description", "normalise"}) {
        const CliRun run = Run({command, app.file("missing.html")});
        EXPECT_TRUE(FailsNaming(run, "missing.html")) << command;
        EXPECT_EQ(run.out, "") << command;
    }
}

TEST_F(GeneratorsCli, TheStoredProposalsMethodRulesUnlessAFlagOverridesIt) {
    app.write("shop.html", "<body><nav>Home. Shop.</nav><p>Welcome. Our shop sells jazz records.</p></body>");
    const std::string improved = "Our shop sells jazz records.\n";
    const std::string classic = Run({"description", app.file("shop.html")}).out;
    EXPECT_EQ(Run({"description", app.file("shop.html"), "--improved"}).out, improved);
    ASSERT_EQ(Run({"options", "set", "--proposals", "improved"}).status, 0);
    EXPECT_NE(Run({"options"}).out.find("\nproposals: improved\n"), std::string::npos);
    EXPECT_EQ(Run({"description", app.file("shop.html")}).out, improved);
    EXPECT_EQ(Run({"description", "--classic", app.file("shop.html")}).out, classic);
    const std::string keywords = Run({"keywords", app.file("shop.html")}).out;
    EXPECT_EQ(keywords, Run({"keywords", app.file("shop.html"), "--improved"}).out);
    // A whole site at once: path, keywords and description a line.
    EXPECT_EQ(Run({"proposals", app.file("shop.html")}).out,
              app.file("shop.html") + "\t" + keywords.substr(0, keywords.size() - 1) + "\t" + improved);
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"description", app.file("shop.html"), "--improved", "--classic"},
             {"options", "set", "--proposals", "better"}})
        EXPECT_EQ(Run(words).status, 2) << words.back();
}

TEST_F(GeneratorsCli, AMissingPageArgumentIsWrongUsage) {
    EXPECT_EQ(Run({"keywords"}).status, 2);
    EXPECT_EQ(Run({"normalise", "a.html", "b.html"}).status, 2);
}

}  // namespace
