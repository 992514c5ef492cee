// What keeps two runs apart and cleans up after a killed one: the lock beside
// the site (taken, refused while another holds it, taken over from a run that
// was killed, gone once let go) and the removal of what a killed run left.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ground/file_routines.h"
#include "site/leftovers.h"
#include "site/site_lock.h"
#include "support/temp_folder.h"

namespace wk {
namespace {

class SiteLockTest : public ::testing::Test {
protected:
    test::TempFolder parent;
    const std::string site = parent.file("shop/");
    const std::string lockFile = parent.file("shop.wk-lock");
    void SetUp() override { std::filesystem::create_directory(site); }
};

TEST_F(SiteLockTest, NamesItsProcessBesideTheSiteAndRefusesASecondClaimUntilLetGo) {
    std::string refusal;
    auto lock = LockSite(site, "Site Upgrade", refusal);
    ASSERT_TRUE(lock) << refusal;
    EXPECT_EQ(SiteLockFile(site), lockFile);
    EXPECT_EQ(parent.read("shop.wk-lock"), std::to_string(::getpid()) + "\r\nSite Upgrade\r\n");
    EXPECT_FALSE(LockSite(site, "Site Restore", refusal));
    for (const std::string& said : {std::string("/shop/ is in use"),
                                    "process " + std::to_string(::getpid()) + ", Site Upgrade", lockFile})
        EXPECT_NE(refusal.find(said), std::string::npos) << refusal;
    lock.reset();
    EXPECT_FALSE(parent.exists("shop.wk-lock"));
    EXPECT_TRUE(LockSite(site, "Site Restore", refusal)) << refusal;
}

TEST_F(SiteLockTest, ALockFileWhoseProcessIsGoneIsTakenOver) {
    parent.write("shop.wk-lock", "999999\r\nSite Upgrade\r\n");  // left by a run that was killed
    std::string refusal;
    const auto lock = LockSite(site, "Menu Removal", refusal);
    EXPECT_TRUE(lock) << refusal;
    EXPECT_EQ(parent.read("shop.wk-lock"), std::to_string(::getpid()) + "\r\nMenu Removal\r\n");
}

TEST_F(SiteLockTest, ASiteWithoutAParentFolderOrAFolderThatCannotHoldTheLockIsRefused) {
    std::string refusal;
    EXPECT_FALSE(LockSite("/", "Site Upgrade", refusal));
    EXPECT_NE(refusal.find("no parent folder"), std::string::npos) << refusal;
    EXPECT_FALSE(LockSite(parent.file("missing/shop/"), "Site Upgrade", refusal));
    EXPECT_NE(refusal.find(parent.file("missing/shop.wk-lock")), std::string::npos) << refusal;
}

TEST_F(SiteLockTest, LeftoversOfAKilledRunGoButNothingElse) {
    namespace fs = std::filesystem;
    for (const std::string name : {"shop/a.html.wk-tmp-Ab12Cd", "shop/sub/b.gif.wk-tmp-xYz123", "shop/a.html",
                                   "shop/tmp-notes.txt"}) {
        fs::create_directories(fs::path(parent.file(name)).parent_path());
        parent.write(name, "x");
    }
    for (const std::string folder : {"shop202601020304.baq.wk-tmp-partial/x", "shop202601020304-2.baq.wk-tmp-partial",
                                     "shop2202601020304.baq.wk-tmp-partial", "shop202601020304.baq"})
        fs::create_directories(parent.file(folder));
    EXPECT_EQ(RemoveLeftovers(site), 4u);
    for (const std::string kept : {"shop/a.html", "shop/tmp-notes.txt", "shop202601020304.baq",
                                   "shop2202601020304.baq.wk-tmp-partial"})  // another site's
        EXPECT_TRUE(parent.exists(kept)) << kept;
    EXPECT_FALSE(parent.exists("shop/a.html.wk-tmp-Ab12Cd"));
    EXPECT_EQ(PartialBackupFolder("/s/shop202601020304.baq/"), "/s/shop202601020304.baq.wk-tmp-partial/");
}

}  // namespace
}  // namespace wk
