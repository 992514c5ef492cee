// The generator commands run as a user runs them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

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

class GeneratorsCli : public ::testing::Test {
protected:
    wk::test::TempFolder app;
    wk::test::TempFolder site;

    Outcome Webkestrane(const std::vector<std::string>& words) {
        std::string command = std::string(WK_CLI_PATH) + " --app-folder " + Quoted(app.path());
        for (const std::string& word : words) command += " " + Quoted(word);
        command += " 2>" + Quoted(site.file("err.txt")) + " </dev/null";
        Outcome run;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = site.read("err.txt");
        return run;
    }
};

const std::string kJazzPage =
    "<html><head><title>Jazz</title></head><body><p>Welcome. Our shop sells jazz records.</p>"
    "<p>Jazz quiz: jazz!</p></body></html>";

TEST_F(GeneratorsCli, PlainTextIsTheBodyBeforeLowerCasing) {
    site.write("jazz.html", kJazzPage);
    const Outcome run = Webkestrane({"plaintext", site.file("jazz.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Welcome. Our shop sells jazz records. Jazz quiz: jazz! \n");
}

TEST_F(GeneratorsCli, KeywordsArePrintedAsTheCommaList) {
    site.write("jazz.html", kJazzPage);
    const Outcome run = Webkestrane({"keywords", site.file("jazz.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "jazz,quiz,welcome\n");
}

TEST_F(GeneratorsCli, DescriptionIsPrintedAsProposed) {
    site.write("shop.html", "<html><body><p>Welcome. Our shop sells jazz records.</p></body></html>");
    const Outcome run = Webkestrane({"description", site.file("shop.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Welcome. Our shop sells jazz records. Our shop sells jazz records.  Our shop sells jazz records.\n");
}

TEST_F(GeneratorsCli, NormaliseLeavesTheFileAsItWas) {
    site.write("hello.html", "Hello");
    const Outcome run = Webkestrane({"normalise", site.file("hello.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "<html><head></head><body>Hello</body></html>");
    EXPECT_EQ(site.read("hello.html"), "Hello");
}

TEST_F(GeneratorsCli, AnUnreadablePageFailsNamingTheFile) {
    for (const char* command : {"plaintext", "keywords", "description", "normalise"}) {
        const Outcome run = Webkestrane({command, site.file("missing.html")});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.err.find("missing.html"), std::string::npos) << command << ": " << run.err;
        EXPECT_EQ(run.out, "") << command;
    }
}

TEST_F(GeneratorsCli, AMissingPageArgumentIsWrongUsage) {
    EXPECT_EQ(Webkestrane({"keywords"}).status, 2);
    EXPECT_EQ(Webkestrane({"normalise", "a.html", "b.html"}).status, 2);
}

}  // namespace
