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

}  // namespace
}  // namespace wk
