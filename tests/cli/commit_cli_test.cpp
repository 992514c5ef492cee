// `webkestrane commit` run as a user runs it, on the worked jazz page.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#include <sys/wait.h>

#include "support/temp_folder.h"

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class CommitCli : public ::testing::Test {
protected:
    wk::test::TempFolder app;
    wk::test::TempFolder site;
    wk::test::TempFolder scratch;

    // Standard input is not a terminal, so unanswered questions get no answer.
    Outcome Webkestrane(const std::vector<std::string>& words) {
        std::string command = std::string(WK_CLI_PATH) + " --app-folder " + Quoted(app.path());
        for (const std::string& word : words) command += " " + Quoted(word);
        command += " 2>" + Quoted(scratch.file("err")) + " </dev/null";
        Outcome run;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = scratch.read("err");
        return run;
    }

    void SetUp() override {
        ASSERT_EQ(Webkestrane({"boilerplate", "set", "www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2005",
                               site.path()})
                      .status,
                  0);
        ASSERT_EQ(Webkestrane({"options", "set", "--commit", "11111"}).status, 0);
        ASSERT_EQ(Webkestrane({"menu", "add", "menu", "Jazz", "www.acme.com/jazz.html"}).status, 0);
        site.write("jazz.html", "<html><head><title>Jazz</title></head><body><p>Jazz quiz: jazz!</p></body></html>");
    }
};

const std::string kCommittedJazz =
    "<html><head>\r\n"
    "<meta name=\"category\" content=\"Music\">\r\n"
    "<meta name=\"description\" content=\"Jazz quiz: jazz! \">\r\n"
    "<meta name=\"keywords\" content=\"jazz,quiz\">\r\n"
    "<meta name=\"copyright\" content=\"Acme Ltd 2005\">\r\n"
    "<meta name=\"author\" content=\"Web Team\">\r\n"
    "<meta name=\"company\" content=\"Acme Ltd\"><title>Jazz</title>"
    "<style><!--@import \"/_/0.css\";--></style></head><body>"
    "<!--#include virtual=\"/_/_Tollivance_Web_Kestrane_Menu_System.mnu\"--><!--/#include-->"
    "<p>Jazz quiz: jazz!</p></body></html>\r\n";

TEST_F(CommitCli, ReproducesTheWorkedExample) {
    const std::string capsule = Webkestrane({"capsule"}).out;
    const std::string css = Webkestrane({"css"}).out;
    const Outcome run = Webkestrane({"commit", site.file("jazz.html"), "--category", "Music"});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, site.file("jazz.shtml") + "\n");
    EXPECT_EQ(site.read("jazz.shtml"), kCommittedJazz);
    EXPECT_FALSE(site.exists("jazz.html"));
    EXPECT_EQ(site.read("_/0.css"), css + "\r\n");
    EXPECT_EQ(site.read("_/_Tollivance_Web_Kestrane_Menu_System.mnu"), capsule + "\r\n");
    EXPECT_EQ(Webkestrane({"menu"}).out, "1\tmenu\tJazz\twww.acme.com/jazz.shtml\n");
}

TEST_F(CommitCli, CommittingAgainDoesNotGrowThePage) {
    Webkestrane({"commit", site.file("jazz.html"), "--category", "Music"});
    const Outcome run = Webkestrane({"commit", site.file("jazz.shtml")});

    std::string expected = kCommittedJazz;
    expected.replace(expected.find("<style>"), 7, "<style type=\"text/css\">");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(site.read("jazz.shtml"), expected);
}

TEST_F(CommitCli, TheDescriptionOptionReplacesTheProposal) {
    const Outcome run =
        Webkestrane({"commit", site.file("jazz.html"), "--category", "Music", "--description", "All that jazz"});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"description\" content=\"All that jazz\">"),
              std::string::npos);
}

TEST_F(CommitCli, WithoutACategoryAnswerTheCategoryIsEmpty) {
    const Outcome run = Webkestrane({"commit", site.file("jazz.html")});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"category\" content=\"\">"), std::string::npos);
}

TEST_F(CommitCli, ARelativePageIsFoundFromTheCurrentFolder) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(site.path());
    const Outcome run = Webkestrane({"commit", "jazz.html", "--category", "Music"});
    std::filesystem::current_path(before);

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(site.read("jazz.shtml"), kCommittedJazz);
}

TEST_F(CommitCli, AMissingPageFailsNamingItAndStillWritesTheMenuFiles) {
    const Outcome run = Webkestrane({"commit", site.file("gone.html")});

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Target not Found: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(site.file("gone.html")), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(site.exists("_/0.css"));
}

TEST_F(CommitCli, WithoutAPageTheMenuFilesAreWrittenAndNamed) {
    const Outcome run = Webkestrane({"commit"});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, site.file("_/0.css") + "\n" + site.file("_/_Tollivance_Web_Kestrane_Menu_System.mnu") + "\n");
    EXPECT_EQ(site.read("jazz.html").find("<meta"), std::string::npos);
}

TEST_F(CommitCli, AMenuFolderThatCannotBeCreatedFailsNamingIt) {
    site.write("_", "a file where the menu folder belongs");
    const Outcome run = Webkestrane({"commit", site.file("jazz.html"), "--category", "Music"});

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
