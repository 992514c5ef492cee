// The link check, the link update and the restore on a real site folder:
// what each finds or changes, and that a failure loses nothing.
#include "app/link_check.h"
#include "app/restore.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "markup/page_commit.h"
#include "site_fixture.h"
#include "support/failing_file_system.h"

namespace wk::test {
namespace {

TEST_F(SiteOperation, TheLinkUpdateRewritesOnlyTheNamesOfRenamedPagesInThePagesAndTheMenu) {
    Write("a.shtml", "<p>a</p>");
    const std::string page = "<A HREF='a.html#x'>\r\n\xE9 <a href=a.html>a</a><!-- <a href=\"a.html\"> -->"
                             "<a href=\"gone.html\">\n<script>'<a href=a.html>'</script>";
    Write("index.shtml", page);
    Write(std::string("_/") + kIncludeFile, "the capsule");
    const NodeId node = ws.tree.appendMenu("A", "www.acme.com/a.html#top");

    EXPECT_EQ(Run(kRelinkSite, true).links.size(), 3u);
    EXPECT_EQ(site.read("index.shtml"), page);
    EXPECT_TRUE(Backups().empty());

    const SiteSummary real = Run(kRelinkSite);
    ASSERT_FALSE(real.stopped) << real.error;
    EXPECT_EQ(site.read("index.shtml"), "<A HREF='a.shtml#x'>\r\n\xE9 <a href=a.shtml>a</a><!-- <a href=\"a.html\"> -->"
                                        "<a href=\"gone.html\">\n<script>'<a href=a.html>'</script>");
    ASSERT_EQ(real.links.size(), 3u);
    EXPECT_EQ(real.links[1].line, 2);
    EXPECT_EQ(real.links[1].to, "a.shtml");
    EXPECT_EQ(real.links[2].page, kMenuLinks);
    EXPECT_EQ(ws.tree.node(node).link, "www.acme.com/a.shtml#top");
    EXPECT_NE(Menu(kIncludeFile).find("www.acme.com/a.shtml"), std::string::npos);
    EXPECT_EQ(Contents(real.backupFolder).at("index.shtml"), page);
    // Nothing left to update: no backup either.
    EXPECT_TRUE(Run(kRelinkSite).links.empty());
    EXPECT_EQ(Backups().size(), 1u);
}

TEST_F(SiteOperation, AnUpgradeAsksToUpdateTheLinksToThePagesItRenamedAndOnYesLeavesNoMoreBroken) {
    Write("index.html", "<a href=\"jazz.html#top\">J</a> <a href=missing.html>M</a> <img src=\"img/logo.gif\">");
    Write("jazz.html", "<html><body><a href='jazz.html'>me</a> <a href='/index.html?x'>home</a></body></html>");
    Write("img/logo.gif", "GIF89a");
    const LinkReport before = CheckSiteLinks(ws);
    ASSERT_EQ(before.broken.size(), 1u);
    EXPECT_EQ(before.links, 5u);
    Run(kUpgradeSite, true);
    EXPECT_EQ(prompt.count("yesno"), 0u);  // a dry run asks nothing

    prompt.yesNoAnswers = {true};
    const SiteSummary summary = Run(kUpgradeSite);
    ASSERT_FALSE(summary.stopped) << summary.error;
    ASSERT_EQ(prompt.count("yesno"), 1u);
    EXPECT_EQ(prompt.asked.back().text, UpdateLinksQuestion(3));
    const LinkReport after = CheckSiteLinks(ws);
    EXPECT_EQ(after.links, before.links);
    ASSERT_EQ(after.broken.size(), 1u);
    EXPECT_EQ(after.broken[0].link, "missing.html");
    EXPECT_EQ(after.broken[0].page, site.file("index.shtml"));
    EXPECT_NE(summary.linksBackupFolder, summary.backupFolder);
    EXPECT_TRUE(Contents(summary.linksBackupFolder).count("jazz.shtml"));
}

TEST_F(SiteOperation, TheMenuNodesWhoseLinkLeadsIntoTheSiteButToNoPageAreKnown) {
    Write("index.html", "<p>home</p>");
    Write("docs/index.htm", "<p>docs</p>");
    ws.tree.appendMenu("Home", "www.acme.com/index.html");
    const NodeId gone = ws.tree.appendMenu("Gone", "www.acme.com/gone.html");
    ws.tree.appendMenu("Docs", "www.acme.com/docs");
    ws.tree.appendMenu("Elsewhere", "www.other.com/gone.html");
    EXPECT_EQ(MenuNodesWithoutPage(ws), std::set<NodeId>{gone});
    const LinkReport report = CheckSiteLinks(ws);
    ASSERT_EQ(report.broken.size(), 1u);
    EXPECT_EQ(report.broken[0].page + ":" + std::to_string(report.broken[0].line), std::string(kMenuLinks) + ":2");
}

TEST_F(SiteOperation, ARestoreBacksTheSiteUpThenMakesItIdenticalToTheBackup) {
    Write("a.htm", "a");
    Write("docs/b.htm", "b");
    Write("img/c.gif", "c");
    const std::string backup = Run(kBackUpSite).backupFolder;
    const auto original = Contents(site.path());
    Write("a.htm", "changed");
    fs::remove(site.file("docs/b.htm"));
    Write("docs/b.shtml", "b, committed");
    const NodeId moved = ws.tree.appendMenu("B", "www.acme.com/docs/b.shtml#top");
    Write("new/sub/d.htm", "added");
    Write("_/0.css", "added");
    fs::create_directory(site.file("empty"));
    const auto changed = Contents(site.path());

    const SiteSummary dry = Run(kRestoreSite, true, FileNameOfPath(backup.substr(0, backup.size() - 1)));
    EXPECT_EQ(Notes(dry.changed), (std::map<std::string, std::string>{{site.file("a.htm"), "put back as it was"},
                                                                      {site.file("docs/b.htm"), "put back"},
                                                                      {site.file("docs/b.shtml"), "removed"},
                                                                      {site.file("new/sub/d.htm"), "removed"},
                                                                      {site.file("_/0.css"), "removed"}}));
    EXPECT_EQ(Contents(site.path()), changed);

    const SiteSummary real = Run(kRestoreSite, false, backup);
    ASSERT_FALSE(real.stopped) << real.error;
    EXPECT_EQ(Contents(site.path()), original);
    EXPECT_FALSE(site.exists("new"));
    EXPECT_FALSE(site.exists("_"));
    EXPECT_TRUE(site.exists("empty"));  // it held nothing the restore removed
    EXPECT_EQ(ws.tree.node(moved).link, "www.acme.com/docs/b.htm#top");  // the menu follows the page back
    EXPECT_EQ(Contents(real.backupFolder), changed);
    // Only a backup of the site is restored.
    EXPECT_TRUE(Run(kRestoreSite, false, site.file("img/")).stopped);
    EXPECT_EQ(Backups().size(), 2u);
}

// Backs up as the disk does, and fails the restore's copies of the names given.
class FailingRestore : public FailingFileSystem {
public:
    bool copyFile(const std::string& from, const std::string& to, std::string& error) override {
        return DiskFileSystem::copyFile(from, to, error);
    }
};

TEST_F(SiteOperation, ARestoreThatFailsHalfWayNamesTheFileAndKeepsTheBackupOfWhatItReplaced) {
    for (const char* name : {"a.htm", "b.htm", "c.htm"}) Write(name, "before");
    const std::string backup = Run(kBackUpSite).backupFolder;
    for (const char* name : {"a.htm", "b.htm", "c.htm", "d.htm"}) Write(name, "after");
    const auto changed = Contents(site.path());
    FailingRestore disk;
    disk.failingNames = {"b.htm"};
    FileSystemOverride use(disk);
    const SiteSummary summary = Run(kRestoreSite, false, backup);
    EXPECT_TRUE(summary.stopped);
    EXPECT_NE(summary.error.find(site.file("b.htm")), std::string::npos) << summary.error;
    EXPECT_EQ(Contents(summary.backupFolder), changed);
    EXPECT_EQ(site.read("b.htm"), "after");
    for (const auto& [name, bytes] : Contents(site.path())) EXPECT_EQ(name.find("wk-tmp"), std::string::npos) << name;
}

}  // namespace
}  // namespace wk::test
