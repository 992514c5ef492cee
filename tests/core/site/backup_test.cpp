// The backup folder's name, and a second backup in the same minute.
#include <gtest/gtest.h>

#include <filesystem>

#include "site/backup.h"
#include "support/temp_folder.h"

namespace wk {
namespace {

TEST(BackupFolder, IsTheSiteFolderWithTheMinutesStampBesideIt) {
    auto at = [](int year, int month, int day, int hour, int minute) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_min = minute;
        return local;
    };
    EXPECT_EQ(BackupStamp(at(2005, 12, 31, 12, 59)), "200512311259");
    EXPECT_EQ(BackupStamp(at(2006, 1, 2, 3, 4)), "200601020304");
    EXPECT_EQ(BackupFolder("/Sites/Shop/", "200512311259"), "/Sites/Shop200512311259.baq/");
    EXPECT_EQ(BackupFolder("/", "200512311259"), "");  // no parent folder to hold it
}

TEST(FreshBackupFolder, ASecondBackupInTheSameMinuteGetsItsOwnFolder) {
    test::TempFolder parent;
    const std::string site = parent.file("shop/");
    EXPECT_EQ(FreshBackupFolder(site, "200512311259"), parent.file("shop200512311259.baq/"));
    std::filesystem::create_directory(parent.file("shop200512311259.baq"));
    EXPECT_EQ(FreshBackupFolder(site, "200512311259"), parent.file("shop200512311259-2.baq/"));
    parent.write("shop200512311259-2.baq", "a file holds the name too");
    EXPECT_EQ(FreshBackupFolder(site, "200512311259"), parent.file("shop200512311259-3.baq/"));
}

TEST(ListBackups, NamesTheSitesBackupsNewestFirstWithTheirDateAndTime) {
    test::TempFolder parent;
    for (const char* folder : {"shop200512311259.baq", "shop200512311259-2.baq", "shop200601020304.baq",
                               "shop2200601020304.baq", "shop200601020304.baq.old", "other200601020304.baq"})
        std::filesystem::create_directory(parent.file(folder));
    parent.write("shop200701010000.baq", "a file is no backup");
    std::string listed;
    for (const SiteBackup& backup : ListBackups(parent.file("shop/"))) {
        EXPECT_EQ(backup.folder, parent.file(backup.name + "/"));
        listed += backup.name + " " + backup.when + ";";
    }
    EXPECT_EQ(listed, "shop200601020304.baq 2006-01-02 03:04;shop200512311259-2.baq 2005-12-31 12:59;"
                      "shop200512311259.baq 2005-12-31 12:59;");
}

}  // namespace
}  // namespace wk
