// The site-wide commands run as a user runs them: what each prints, the exit
// status, and that a dry run or a refusal changes nothing. What they do to
// the pages is the core's to test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/jazz_page.h"
#include "support/run_cli.h"

namespace {

namespace fs = std::filesystem;
using wk::test::CliRun;
using wk::test::FailsNaming;

class SiteCli : public wk::test::SiteCliTest {
protected:
    void SetUp() override {
        SiteCliTest::SetUp();
        ASSERT_EQ(Run({"options", "set", "--commit", "11111"}).status, 0);
        for (const char* name : {"jazz.html", "x.a.htm", "x.b.htm"}) site.write(name, wk::test::kJazzPage);
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(site.path())) names.push_back(entry.path());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SiteCli, AnalysePrintsTheThreeFiguresAndBackupTheFolderItFilled) {
    const CliRun analyse = Run({"analyse"});
    EXPECT_EQ(analyse.status, 0) << analyse.err;
    const std::string bytes = std::to_string(3 * wk::test::kJazzPage.size());
    EXPECT_EQ(analyse.out, "files: 3\nbytes: " + bytes + "\nindex: 0.269\n");
    const CliRun backup = Run({"backup"});
    EXPECT_EQ(backup.status, 0) << backup.err;
    ASSERT_TRUE(backup.out.ends_with(".baq/\n")) << backup.out;
    EXPECT_EQ(fs::file_size(backup.out.substr(0, backup.out.size() - 1) + "jazz.html"), wk::test::kJazzPage.size());
}

TEST_F(SiteCli, UpgradeListsWhatItWouldDoChangingNothingThenDoesItAndEndsWithTheSummary) {
    const std::vector<std::string> before = Files();
    const CliRun dry = Run({"upgrade", "--dry-run"});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(Files(), before);
    EXPECT_TRUE(wk::test::BackupsBeside(site).empty());
    EXPECT_NE(dry.out.find(site.file("jazz.html") + "\trenamed to jazz.shtml, include added"), std::string::npos)
        << dry.out;
    const std::string skipped = "pages changed: 2\npages skipped: 1\nskipped: " + site.path();
    EXPECT_NE(dry.out.find(skipped), std::string::npos) << dry.out;

    const CliRun real = Run({"upgrade", "--category", "Music"});
    EXPECT_EQ(real.status, 0) << real.err;
    EXPECT_NE(real.out.find(skipped), std::string::npos) << real.out;
    EXPECT_NE(real.out.find("\tx.shtml already exists\n" + site.path().substr(0, site.path().size() - 1)),
              std::string::npos) << real.out;
    EXPECT_TRUE(real.out.ends_with(".baq/\n")) << real.out;
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"category\" content=\"Music\">"), std::string::npos);
}

TEST_F(SiteCli, RemoveMenusAsksFirstAndStripsEveryPageOnYes) {
    ASSERT_EQ(Run({"upgrade"}).status, 0);
    const std::string upgraded = site.read("jazz.shtml");
    EXPECT_TRUE(FailsNaming(Run({"remove-menus"}), "--yes"));
    EXPECT_EQ(site.read("jazz.shtml"), upgraded);
    const CliRun removed = Run({"--yes", "remove-menus"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_NE(removed.out.find("pages changed: 2\npages skipped: 0\n"), std::string::npos) << removed.out;
    EXPECT_EQ(site.read("jazz.shtml").find("#include"), std::string::npos);
    EXPECT_FALSE(site.exists("_"));
}

TEST_F(SiteCli, ASiteFolderThatIsGoneStopsWithExitOneNamingIt) {
    fs::remove_all(site.path());
    EXPECT_TRUE(FailsNaming(Run({"analyse"}), site.path()));
    EXPECT_EQ(Run({"upgrade", "extra"}).status, 2);
}

TEST_F(SiteCli, ACommitThatWouldReplaceAnotherFileAsksAndWithoutYesWritesNothing) {
    ASSERT_EQ(Run({"commit", site.file("x.a.htm"), "--category", "Music"}).status, 0);
    const std::string taken = site.read("x.shtml");
    EXPECT_TRUE(FailsNaming(Run({"commit", site.file("x.b.htm")}), site.file("x.shtml") + " already exists"));
    EXPECT_EQ(site.read("x.shtml"), taken);
    EXPECT_TRUE(site.exists("x.b.htm"));
    EXPECT_EQ(Run({"--yes", "commit", site.file("x.b.htm")}).status, 0);
    EXPECT_FALSE(site.exists("x.b.htm"));
}

}  // namespace
