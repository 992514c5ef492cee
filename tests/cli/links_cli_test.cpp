// check-links, relink and restore run as a user runs them: what each prints
// and the exit status. What they find and change is the core's to test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_cli.h"

namespace {

using wk::test::CliRun;

class LinksCli : public wk::test::SiteCliTest {
protected:
    void SetUp() override {
        SiteCliTest::SetUp();
        site.write("index.html", "<a href=\"a.html\">a</a>\n<a href='q\"\xE9\x01.html'>");
        site.write("a.shtml", "<p>a</p>");
    }
};

TEST_F(LinksCli, CheckLinksPrintsJsonForScriptsAndExitsOneWhileALinkIsBroken) {
    const CliRun json = Run({"check-links", "--format", "json"});
    EXPECT_EQ(json.status, 1) << json.err;
    const std::string page = site.file("index.html");
    EXPECT_EQ(json.out, "{\"pages\": 2, \"links\": 2, \"broken\": 2,\n \"broken_links\": [\n"
                        "  {\"page\": \"" + page + "\", \"line\": 1, \"link\": \"a.html\", \"suggestion\": \"a.shtml\"},\n"
                        "  {\"page\": \"" + page + "\", \"line\": 2, \"link\": \"q\\\"\\u00e9\\u0001.html\", "
                        "\"suggestion\": \"\"}],\n \"unreadable\": []}\n");

    const CliRun relink = Run({"relink"});
    EXPECT_EQ(relink.status, 0) << relink.err;
    EXPECT_TRUE(relink.out.starts_with(page + ":1\ta.html\ta.shtml\npages changed: 1\nlinks changed: 1\n")) << relink.out;
    const CliRun text = Run({"check-links"});
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.out.ends_with("pages: 2\nlinks: 2\nbroken: 1\n")) << text.out;
}

TEST_F(LinksCli, RestoreListsTheBackupsAndRefusesAFolderThatIsNone) {
    const std::string backup = Run({"backup"}).out;
    const CliRun listed = Run({"restore"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    const std::string name = std::filesystem::path(backup.substr(0, backup.size() - 2)).filename();
    EXPECT_TRUE(listed.out.starts_with(name + "\t")) << listed.out;
    EXPECT_TRUE(wk::test::FailsNaming(Run({"restore", site.path()}), "not a backup"));
}

}  // namespace
