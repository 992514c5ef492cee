// `webkestrane commit` run as a user runs it, on the jazz page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/jazz_page.h"
#include "support/run_cli.h"

namespace {

using wk::test::CliRun;
using wk::test::CommittedJazz;
using wk::test::kJazzPage;

class CommitCli : public ::testing::Test {
protected:
    wk::test::TempFolder app;
    wk::test::TempFolder site;

    CliRun Webkestrane(const std::vector<std::string>& words, const std::string& workingFolder = {}) {
        return wk::test::RunCliWithApp(app, words, workingFolder);
    }

    void SetUp() override {
        ASSERT_EQ(Webkestrane({"boilerplate", "set", "www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2005",
                               site.path()})
                      .status,
                  0);
        ASSERT_EQ(Webkestrane({"options", "set", "--commit", "11111"}).status, 0);
        ASSERT_EQ(Webkestrane({"menu", "add", "menu", "Jazz", "www.acme.com/jazz.html"}).status, 0);
        site.write("jazz.html", kJazzPage);
    }
};

TEST_F(CommitCli, CommitsTheJazzPageByteForByte) {
    const std::string css = Webkestrane({"css"}).out;
    const CliRun run = Webkestrane({"commit", site.file("jazz.html"), "--category", "Music"});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, site.file("jazz.shtml") + "\n");
    EXPECT_EQ(site.read("jazz.shtml"), CommittedJazz());
    EXPECT_FALSE(site.exists("jazz.html"));
    EXPECT_EQ(site.read("_/0.css"), css + "\r\n");
    EXPECT_EQ(Webkestrane({"menu"}).out, "1\tmenu\tJazz\twww.acme.com/jazz.shtml\n");
    EXPECT_EQ(site.read("_/_Tollivance_Web_Kestrane_Menu_System.mnu"), Webkestrane({"capsule"}).out + "\r\n");
}

TEST_F(CommitCli, TheDescriptionOptionReplacesTheProposal) {
    const CliRun run =
        Webkestrane({"commit", site.file("jazz.html"), "--category", "Music", "--description", "All that jazz"});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"description\" content=\"All that jazz\">"),
              std::string::npos);
}

TEST_F(CommitCli, WithoutACategoryAnswerTheCategoryIsEmpty) {
    const CliRun run = Webkestrane({"commit", site.file("jazz.html")});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"category\" content=\"\">"), std::string::npos);
}

TEST_F(CommitCli, ARelativePageIsFoundFromTheCurrentFolder) {
    const CliRun run = Webkestrane({"commit", "jazz.html", "--category", "Music"}, site.path());

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(site.read("jazz.shtml"), CommittedJazz());
}

TEST_F(CommitCli, AMissingPageFailsNamingItAndStillWritesTheMenuFiles) {
    const CliRun run = Webkestrane({"commit", site.file("gone.html")});

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Target not Found: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(site.file("gone.html")), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(site.exists("_/0.css"));
}

TEST_F(CommitCli, WithoutAPageTheMenuFilesAreWrittenAndNamed) {
    const CliRun run = Webkestrane({"commit"});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, site.file("_/0.css") + "\n" + site.file("_/_Tollivance_Web_Kestrane_Menu_System.mnu") + "\n");
    EXPECT_EQ(site.read("jazz.html").find("<meta"), std::string::npos);
}

TEST_F(CommitCli, AMenuFolderThatCannotBeCreatedFailsNamingIt) {
    site.write("_", "a file where the menu folder belongs");
    const CliRun run = Webkestrane({"commit", site.file("jazz.html"), "--category", "Music"});

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Commit Failed: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(site.file("_")), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(site.exists("jazz.html"));
    EXPECT_FALSE(site.exists("jazz.shtml"));
}

TEST_F(CommitCli, ExtraWordsAreWrongUsage) {
    EXPECT_EQ(Webkestrane({"commit", "a.html", "b.html"}).status, 2);
    EXPECT_EQ(Webkestrane({"commit", "--keywords", "x"}).status, 2);
}

}  // namespace
