// The site-wide operations on a real site folder: what they change, what they
// skip and why, and what a failure leaves behind.
#include "ground/file_system.h"
#include "markup/page_commit.h"
#include "markup/scan.h"
#include "site_fixture.h"
#include "support/failing_file_system.h"

namespace wk::test {
namespace {

TEST_F(SiteOperation, TheUpgradeSkipsPagesWhoseNameIsTakenOrThatCannotBeReadAndItsDryRunChangesNothing) {
    Write("x.a.htm", kJazzPage);  // both become x.shtml
    Write("x.b.htm", kJazzPage);
    Write("keep.htm", kJazzPage);
    fs::permissions(site.file("keep.htm"), fs::perms(0640));
    Write("bad.htm", kJazzPage);
    Write("img/logo.gif", "GIF89a");
    const NodeId link = ws.tree.appendMenu("Keep", "www.acme.com/keep.htm");
    const auto before = Contents(site.path());
    FailingFileSystem disk;
    disk.unreadableNames = {"bad.htm"};
    FileSystemOverride use(disk);

    const SiteSummary dry = Run(kUpgradeSite, true);
    EXPECT_EQ(Contents(site.path()), before);
    EXPECT_TRUE(Backups().empty());
    EXPECT_EQ(ws.tree.node(link).link, "www.acme.com/keep.htm");

    view = {};
    const SiteSummary real = Run(kUpgradeSite);
    ASSERT_FALSE(real.stopped) << real.error;
    // The dry run listed exactly what the upgrade did.
    EXPECT_EQ(Notes(dry.changed), Notes(real.changed));
    EXPECT_EQ(Notes(dry.skipped), Notes(real.skipped));
    const auto changed = Notes(real.changed);
    const auto skipped = Notes(real.skipped);
    EXPECT_EQ(changed.at(site.file("keep.htm")),
              "renamed to keep.shtml, include added, style import added, meta tags written");
    EXPECT_EQ(skipped.at(site.file("bad.htm")), "cannot be read");
    // Whichever of the two came first took x.shtml; the other stays as it was.
    ASSERT_EQ(changed.size(), 2u);
    const std::string loser = changed.count(site.file("x.a.htm")) ? "x.b.htm" : "x.a.htm";
    EXPECT_EQ(skipped.at(site.file(loser)), "x.shtml already exists");
    EXPECT_EQ(site.read(loser), kJazzPage);
    EXPECT_NE(site.read("x.shtml").find(IncludeDirective()), std::string::npos);

    EXPECT_EQ(fs::status(site.file("keep.shtml")).permissions(), fs::perms(0640));
    EXPECT_FALSE(site.exists("keep.htm"));
    EXPECT_EQ(ws.tree.node(link).link, "www.acme.com/keep.shtml");
    EXPECT_NE(Menu(kIncludeFile).find("www.acme.com/keep.shtml"), std::string::npos);
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_EQ(Backups()[0], real.backupFolder);
    EXPECT_EQ(Contents(real.backupFolder), before);
    // The backup's bar above, then the upgrade's below, ending at 100%.
    ASSERT_FALSE(view.bars.empty());
    EXPECT_EQ(view.bars.front().index, 0);
    EXPECT_EQ(view.bars.back().index, 1);
    EXPECT_TRUE(view.bars.back().text.starts_with("Upgrading Web Site: 100%")) << view.bars.back().text;
}

// Counts the backed-up files when the site is first written to, and fails
// the page writes of one name (its backup copy goes through).
class WatchingDisk : public FailingFileSystem {
public:
    std::function<std::size_t()> countBackup;
    std::optional<std::size_t> backedUpBeforeFirstWrite;
    std::string failingPage;
    bool writeAtomic(const std::string& path, const std::string& bytes, const std::string& likeFile,
                     std::string& error) override {
        if (!backedUpBeforeFirstWrite) backedUpBeforeFirstWrite = countBackup();
        return FailingFileSystem::writeAtomic(path, bytes, likeFile, error);
    }
    bool writeTemporary(const std::string& path, const std::string& bytes, const std::string& likeFile,
                        std::string& temporary, std::string& error) override {
        if (!backedUpBeforeFirstWrite) backedUpBeforeFirstWrite = countBackup();
        if (path.ends_with("/" + failingPage)) failingNames = {failingPage};
        return FailingFileSystem::writeTemporary(path, bytes, likeFile, temporary, error);
    }
};

TEST_F(SiteOperation, TheUpgradeAsksForEachMissingCategoryInThePagesOrderAndItsDryRunAsksNothing) {
    SetOptions("11111");
    Write("own.htm", "<html><head><meta name=\"category\" content=\"Jazz\"></head><body><p>x</p></body></html>");
    Write("a.htm", kJazzPage);
    Write("b.htm", kJazzPage);
    Run(kUpgradeSite, true);
    EXPECT_EQ(prompt.count("input"), 0u);
    AnswerCategory("Blues");
    AnswerCategory("Rock");
    const SiteSummary summary = Run(kUpgradeSite);
    ASSERT_FALSE(summary.stopped) << summary.error;
    EXPECT_EQ(prompt.count("input"), 2u);
    EXPECT_NE(site.read("own.shtml").find("content=\"Jazz\""), std::string::npos);
    // The first page the walk met without a category took the first answer.
    std::vector<std::string> asked;
    for (const PageNote& page : summary.changed)
        if (!page.page.ends_with("own.htm")) asked.push_back(fs::path(page.page).stem().string());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_NE(site.read(asked[0] + ".shtml").find("content=\"Blues\""), std::string::npos);
    EXPECT_NE(site.read(asked[1] + ".shtml").find("content=\"Rock\""), std::string::npos);
}

TEST_F(SiteOperation, AWriteThatFailsStopsNamingThePageAndLeavesEachPageAsItWasOrUpgradedAfterAFullBackup) {
    for (const char* name : {"a.htm", "b.htm", "c.htm", "d.htm"}) Write(name, kJazzPage);
    Write("img/x.gif", "GIF89a");
    WatchingDisk disk;
    disk.failingPage = "c.shtml";  // a page that moves is written under its new name
    disk.countBackup = [&] { return Backups().empty() ? 0 : Contents(Backups()[0]).size(); };
    FileSystemOverride use(disk);
    const SiteSummary summary = Run(kUpgradeSite);
    EXPECT_TRUE(summary.stopped);
    EXPECT_NE(summary.error.find(site.file("c.shtml")), std::string::npos) << summary.error;
    EXPECT_EQ(disk.backedUpBeforeFirstWrite, 5u);
    EXPECT_EQ(Contents(summary.backupFolder).size(), 5u);
    EXPECT_EQ(site.read("c.htm"), kJazzPage);
    for (const std::string page : {"a", "b", "d"}) {
        const bool upgraded = site.exists(page + ".shtml");
        EXPECT_NE(upgraded, site.exists(page + ".htm")) << page;
        if (upgraded) EXPECT_NE(site.read(page + ".shtml").find(IncludeDirective()), std::string::npos);
        else EXPECT_EQ(site.read(page + ".htm"), kJazzPage);
    }
    for (const auto& [name, bytes] : Contents(site.path())) EXPECT_EQ(name.find("wk-tmp"), std::string::npos) << name;
}

TEST_F(SiteOperation, ACopyThatFailsStopsBeforeAnyPageChangesAndRemovesTheIncompleteBackup) {
    Write("a.htm", kJazzPage);
    Write("img/b.gif", "GIF89a");
    const auto before = Contents(site.path());
    FailingFileSystem disk;
    disk.failingNames = {"b.gif"};
    FileSystemOverride use(disk);
    const SiteSummary summary = Run(kUpgradeSite);
    EXPECT_TRUE(summary.stopped);
    EXPECT_NE(summary.error.find("b.gif"), std::string::npos) << summary.error;
    EXPECT_TRUE(Backups().empty());
    EXPECT_EQ(Contents(site.path()), before);
}

TEST_F(SiteOperation, TheBackupMirrorsTheSiteBesideItWithOnlyTheFoldersThatHoldFiles) {
    Write("a.htm", kJazzPage);
    Write("img/b.gif", "GIF89a");
    Write("old/first/c.htm", "<p>c</p>");
    fs::create_directory(site.file("empty"));
    const SiteSummary summary = Run(kBackUpSite);
    ASSERT_FALSE(summary.stopped) << summary.error;
    const std::string root = site.path().substr(0, site.path().size() - 1);
    const std::string stamp = summary.backupFolder.substr(root.size(), 12);
    EXPECT_EQ(summary.backupFolder, root + stamp + ".baq/");
    EXPECT_EQ(stamp.find_first_not_of("0123456789"), std::string::npos) << stamp;
    EXPECT_EQ(Contents(summary.backupFolder), Contents(site.path()));
    EXPECT_FALSE(fs::exists(summary.backupFolder + "empty"));
    EXPECT_EQ(summary.figures.files, 3u);
}

TEST_F(SiteOperation, TheRemovalStripsOnlyPagesHoldingTheMenuAndEmptiesTheMenuFolder) {
    const std::string include(IncludeDirective());
    const std::string menuPage = "<html><head><style><!--@import \"/_/0.css\";--></style></head><body>" + include +
                                 "<p>x</p><!--#INCLUDE VIRTUAL=\"/_/_TOLLIVANCE_WEB_KESTRANE_MENU_SYSTEM.MNU\"-->"
                                 "<!--/#INCLUDE--></body></html>";
    Write("menu.shtml", menuPage);
    Write("plain.htm", "<p>no menu</p>\r\n");
    Write("other.html", menuPage);  // not selected by *.htm
    Write("_/0.css", "css");
    Write(std::string("_/") + kIncludeFile, "capsule");
    Write("_/keep/note.txt", "the subfolder keeps the menu folder");
    ws.options.filter = "*.htm\r\n";
    FailingFileSystem disk;
    FileSystemOverride use(disk);
    const SiteSummary summary = Run(kRemoveAllMenus);
    ASSERT_FALSE(summary.stopped) << summary.error;
    EXPECT_EQ(site.read("menu.shtml"), "<html><head><style></style></head><body><p>x</p></body></html>");
    EXPECT_EQ(site.read("other.html"), menuPage);
    EXPECT_EQ(disk.writes, 1);  // the page without the menu is not rewritten
    EXPECT_EQ(Notes(summary.changed), (std::map<std::string, std::string>{
                                          {site.file("menu.shtml"), "include removed, style import removed"}}));
    EXPECT_FALSE(site.exists("_/0.css"));
    EXPECT_FALSE(site.exists(std::string("_/") + kIncludeFile));
    EXPECT_TRUE(site.exists("_/keep/note.txt"));
    EXPECT_EQ(ws.options.filter, "*.htm");
}

}  // namespace
}  // namespace wk::test
