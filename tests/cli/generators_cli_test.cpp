// The generator commands run as a user runs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_cli.h"

namespace {

using wk::test::CliRun;

class GeneratorsCli : public ::testing::Test {
protected:
    wk::test::TempFolder app;
    wk::test::TempFolder site;

    CliRun Webkestrane(const std::vector<std::string>& words) { return wk::test::RunCliWithApp(app, words); }
};

const std::string kJazzPage =
    "<html><head><title>Jazz</title></head><body><p>Welcome. Our shop sells jazz records.</p>"
    "<p>Jazz quiz: jazz!</p></body></html>";

TEST_F(GeneratorsCli, PlainTextIsTheBodyBeforeLowerCasing) {
    site.write("jazz.html", kJazzPage);
    const CliRun run = Webkestrane({"plaintext", site.file("jazz.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Welcome. Our shop sells jazz records. Jazz quiz: jazz! \n");
}

TEST_F(GeneratorsCli, KeywordsArePrintedAsTheCommaList) {
    site.write("jazz.html", kJazzPage);
    const CliRun run = Webkestrane({"keywords", site.file("jazz.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "jazz,quiz,welcome\n");
}

TEST_F(GeneratorsCli, DescriptionIsPrintedAsProposed) {
    site.write("shop.html", "<html><body><p>Welcome. Our shop sells jazz records.</p></body></html>");
    const CliRun run = Webkestrane({"description", site.file("shop.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Welcome. Our shop sells jazz records. Our shop sells jazz records.  Our shop sells jazz records.\n");
}

TEST_F(GeneratorsCli, NormaliseLeavesTheFileAsItWas) {
    site.write("hello.html", "Hello");
    const CliRun run = Webkestrane({"normalise", site.file("hello.html")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "<html><head></head><body>Hello</body></html>");
    EXPECT_EQ(site.read("hello.html"), "Hello");
}

TEST_F(GeneratorsCli, AnUnreadablePageFailsNamingTheFile) {
    for (const char* command : {"plaintext", "keywords", "description", "normalise"}) {
        const CliRun run = Webkestrane({command, site.file("missing.html")});
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
