#pragma once
// The backup of the whole site that every site-wide change makes first: a
// sibling of the site folder named after it with the minute's stamp.
#include <ctime>
#include <string>
#include <vector>

#include "site/site_walk.h"

namespace wk {

// The local time now.
std::tm LocalTimeNow();

// 12 digits: year, month, day, hour and minute, each zero-padded
// (31 December 2005, 12:59 gives 200512311259).
std::string BackupStamp(const std::tm& local);

// The site root without its final separator, the stamp and ".baq", as a
// folder: /sites/shop/ at that minute gives /sites/shop200512311259.baq/.
// Empty when the root has no parent folder to hold it ("/" or empty).
std::string BackupFolder(const std::string& siteRoot, const std::string& stamp);

// BackupFolder, or when that exists already (an operation started earlier in
// the same minute) the first free one of /sites/shop200512311259-2.baq/,
// -3.baq/, ...: a backup never merges into another, whose files must stay
// the originals it saved.
std::string FreshBackupFolder(const std::string& siteRoot, const std::string& stamp);

// Creates folder (ending with the separator, below base) and the missing
// folders between base and it; false when one cannot be created.
bool CreateFolders(const std::string& base, const std::string& folder);

// Copies one file of the site to the same place under the backup folder,
// creating the folders it needs (so only folders that hold files appear),
// and checks that the copy has the size of the original. Answers nothing, or
// why it failed naming the file.
std::string BackUpFile(const SiteFile& file, const std::string& siteRoot, const std::string& backupFolder);

// A backup beside the site, as a restore lists it.
struct SiteBackup {
    std::string folder;  // ends with the separator
    std::string name;    // shop200512311259-2.baq
    std::string when;    // 2005-12-31 12:59, read from the stamp
    int sequence = 1;    // 2 for -2.baq, ...: later in the same minute
};

// The backups of the site root beside it, newest first: a later stamp, then
// a later one of the same minute, first. Folders only; other names ignored.
std::vector<SiteBackup> ListBackups(const std::string& siteRoot);

// Removes a backup folder this run made, with everything in it: what an
// interrupted backup leaves must not pass for a complete one.
void RemoveBackupFolder(const std::string& folder);

}  // namespace wk
