#include "site/backup.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <tuple>
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

bool CreateFolders(const std::string& base, const std::string& folder) {
    FileSystem& fs = ActiveFileSystem();
    // A folder's files come one after another: after its first, it is there.
    if (fs.isFolder(folder)) return true;
    for (std::size_t end = base.size(); end != 0; end = folder.find(kSeparator, end) + 1) {
        const std::string step = folder.substr(0, end);
        if (!fs.isFolder(step) && !fs.createFolder(step)) return false;
    }
    return true;
}

std::string BackUpFile(const SiteFile& file, const std::string& siteRoot, const std::string& backupFolder) {
    FileSystem& fs = ActiveFileSystem();
    const std::string folder = backupFolder + file.folder.substr(siteRoot.size());
    if (!CreateFolders(backupFolder, folder)) return "Cannot create the backup folder " + folder;
    const std::string copy = folder + file.name;
    std::string error;
    fs.copyFile(file.path(), copy, error);
    return error;
}

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The backup that name (after the site folder's own name) makes: 12 digits,
// perhaps "-N", then ".baq".
std::optional<SiteBackup> BackupNamed(std::string_view rest) {
    if (!rest.ends_with(".baq") || rest.size() < 16 || !AllDigits(rest.substr(0, 12))) return std::nullopt;
    SiteBackup backup;
    const std::string_view sequence = rest.substr(12, rest.size() - 16);
    if (!sequence.empty()) {
        if (sequence[0] != '-' || !AllDigits(sequence.substr(1))) return std::nullopt;
        const auto [end, error] = std::from_chars(sequence.data() + 1, sequence.data() + sequence.size(), backup.sequence);
        if (error != std::errc() || end != sequence.data() + sequence.size()) return std::nullopt;
    }
    const std::string stamp(rest.substr(0, 12));
    backup.when = stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " + stamp.substr(8, 2) +
                  ":" + stamp.substr(10, 2);
    return backup;
}

}  // namespace

std::vector<SiteBackup> ListBackups(const std::string& siteRoot) {
    std::string root = siteRoot;
    if (root.ends_with(kSeparator)) root.pop_back();
    const std::string parent = FolderOfPath(root);
    const std::string site = FileNameOfPath(root);
    std::vector<FolderEntry> entries;
    std::string error;
    std::vector<SiteBackup> backups;
    if (site.empty() || parent.empty() || !ActiveFileSystem().list(parent, entries, error)) return backups;
    for (const FolderEntry& entry : entries) {
        if (entry.kind != FolderEntry::Kind::Folder || !entry.name.starts_with(site)) continue;
        std::optional<SiteBackup> backup = BackupNamed(std::string_view(entry.name).substr(site.size()));
        if (!backup) continue;
        backup->name = entry.name;
        backup->folder = parent + entry.name + kSeparator;
        backups.push_back(std::move(*backup));
    }
    std::sort(backups.begin(), backups.end(), [](const SiteBackup& a, const SiteBackup& b) {
        return std::tie(a.when, a.sequence) > std::tie(b.when, b.sequence);
    });
    return backups;
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
