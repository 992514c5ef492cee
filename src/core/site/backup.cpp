#include "site/backup.h"

#include <vector>

#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"

namespace wk {

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

std::string BackupStamp(const std::tm& local) {
    auto two = [](int value) { return PadLeftZeros(std::to_string(value), 2); };
    return PadLeftZeros(std::to_string(local.tm_year + 1900), 4) + two(local.tm_mon + 1) + two(local.tm_mday) +
           two(local.tm_hour) + two(local.tm_min);
}

std::string BackupFolder(const std::string& siteRoot, const std::string& stamp) {
    std::string root = siteRoot;
    if (root.ends_with(kSeparator)) root.pop_back();
    if (root.empty() || root.back() == kSeparator) return {};
    return root + stamp + ".baq" + kSeparator;
}

std::string FreshBackupFolder(const std::string& siteRoot, const std::string& stamp) {
    FileSystem& fs = ActiveFileSystem();
    auto taken = [&](const std::string& folder) {
        const std::string bare = folder.substr(0, folder.size() - 1);
        return fs.isFolder(bare) || fs.isFile(bare);
    };
    std::string folder = BackupFolder(siteRoot, stamp);
    for (int n = 2; !folder.empty() && taken(folder); ++n)
        folder = BackupFolder(siteRoot, stamp + "-" + std::to_string(n));
    return folder;
}

namespace {

// Creates folder (ending with the separator) and the missing folders above
// it, down from the backup folder.
bool MakeFolders(const std::string& backupFolder, const std::string& folder) {
    FileSystem& fs = ActiveFileSystem();
    for (std::size_t end = backupFolder.size(); end != 0; end = folder.find(kSeparator, end) + 1) {
        const std::string step = folder.substr(0, end);
        if (!fs.isFolder(step) && !fs.createFolder(step)) return false;
    }
    return true;
}

}  // namespace

std::string BackUpFile(const SiteFile& file, const std::string& siteRoot, const std::string& backupFolder) {
    FileSystem& fs = ActiveFileSystem();
    const std::string folder = backupFolder + file.folder.substr(siteRoot.size());
    if (!MakeFolders(backupFolder, folder)) return "Cannot create the backup folder " + folder;
    const std::string copy = folder + file.name;
    std::string error;
    if (!fs.copyFile(file.path(), copy, error)) return error;
    const auto original = fs.size(file.path());
    const auto copied = fs.size(copy);
    if (!original || !copied || *original != *copied)
        return "The backup copy " + copy + " does not have the size of " + file.path();
    return {};
}

void RemoveBackupFolder(const std::string& folder) {
    FileSystem& fs = ActiveFileSystem();
    std::vector<FolderEntry> entries;
    std::string error;
    if (!fs.list(folder, entries, error)) return;
    for (const FolderEntry& entry : entries) {
        if (entry.kind == FolderEntry::Kind::Folder) RemoveBackupFolder(folder + entry.name + kSeparator);
        else fs.remove(folder + entry.name);
    }
    fs.removeFolder(folder);
}

}  // namespace wk
