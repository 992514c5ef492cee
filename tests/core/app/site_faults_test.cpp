// Faults met by a site-wide operation: a disk that fails under it, and a
// second program on the same site. Each stops the operation with a message
// naming the file, and loses nothing.
#include "ground/file_system.h"
#include "markup/scan.h"
#include "site/site_lock.h"
#include "site_fixture.h"
#include "support/failing_file_system.h"

namespace wk::test {
namespace {

struct Fault {
    const char* what;
    std::function<void(FailingFileSystem&)> inject;
    std::string named;  // below the site: the file the message names
    bool backedUp;      // the fault comes after the backup
};

TEST_F(SiteOperation, EachFaultOfTheDiskStopsTheUpgradeNamingTheFileAndLosesNothing) {
    // A page write that fails, a backup copy that fails and a page that
    // cannot be read are site_operation_test.cpp's.
    const Fault faults[] = {
        {"disk full on 0.css", [](FailingFileSystem& d) { d.failingNames = {"0.css"}; }, "_/0.css", true},
        {"a read-only page",
         [](FailingFileSystem& d) {
             d.failingNames = {"b.shtml"};
             d.failure = "Permission denied";
         },
         "b.shtml", true},
        // The leftovers' clean-up and the analysis list it first.
        {"a folder vanishing during the backup",
         [](FailingFileSystem& d) { d.listsBeforeVanishing = {{"sub", 2}}; }, "sub/", false},
        {"a folder vanishing during the upgrade",
         [](FailingFileSystem& d) { d.listsBeforeVanishing = {{"sub", 4}}; }, "sub/", true},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        TearDown();
        fs::remove_all(site.file("_"));
        for (const std::string page : {"a.htm", "b.htm", "sub/c.htm", "sub/d.htm"}) Write(page, kJazzPage);
        Write("img/x.gif", "GIF89a");
        const auto before = Contents(site.path());
        FailingFileSystem disk;
        fault.inject(disk);
        FileSystemOverride use(disk);
        const SiteSummary summary = Run(kUpgradeSite);
        EXPECT_TRUE(summary.stopped);
        EXPECT_NE(summary.error.find(site.file(fault.named)), std::string::npos) << summary.error;
        ASSERT_EQ(Backups().size(), fault.backedUp ? 1u : 0u);
        if (fault.backedUp) {
            EXPECT_EQ(Contents(Backups()[0]), before);
        }
        for (const auto& [name, bytes] : before) {
            const std::string shtml = name.substr(0, name.rfind('.')) + ".shtml";
            const bool upgraded = site.exists(shtml) && site.read(shtml).find(IncludeDirective()) != std::string::npos;
            EXPECT_TRUE((site.exists(name) && site.read(name) == bytes) || upgraded) << name;
        }
        for (const auto& [name, bytes] : Contents(site.path()))
            EXPECT_EQ(name.find(kTemporaryMark), std::string::npos) << name;
    }
}

TEST_F(SiteOperation, AChangeOfTheSiteIsRefusedWhileAnotherProgramHoldsItsLock) {
    Write("a.htm", kJazzPage);
    const auto before = Contents(site.path());
    std::string refusal;
    const auto other = LockSite(site.path(), "Site Restore", refusal);
    ASSERT_TRUE(other) << refusal;
    for (const int code : {kUpgradeSite, kRemoveAllMenus, kBackUpSite, kRelinkSite}) {
        const SiteSummary summary = Run(code);
        EXPECT_TRUE(summary.stopped) << code;
        EXPECT_NE(summary.error.find("is in use by another Web Kestrane"), std::string::npos) << summary.error;
        EXPECT_NE(summary.error.find("Site Restore"), std::string::npos) << summary.error;
    }
    EXPECT_EQ(Contents(site.path()), before);
    EXPECT_TRUE(Backups().empty());
    // Looking changes nothing, so it goes on.
    EXPECT_FALSE(Run(kAnalyseSite).stopped);
    EXPECT_FALSE(Run(kUpgradeSite, true).stopped);
}

}  // namespace
}  // namespace wk::test
