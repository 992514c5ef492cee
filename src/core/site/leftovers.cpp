#include "site/leftovers.h"

#include <string_view>
#include <vector>

#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "site/backup.h"
#include "site/site_walk.h"

namespace wk {
namespace {

constexpr std::string_view kPartial = "partial";

// Whether name is a partial backup of the site of that name: the site's name,
// 12 digits, perhaps "-N", ".baq", then the mark; never another site's whose
// name merely begins the same.
bool IsPartialBackupOf(std::string_view name, std::string_view site) {
    const std::string tail = ".baq" + std::string(kTemporaryMark) + std::string(kPartial);
    if (!name.starts_with(site) || !name.ends_with(tail)) return false;
    const std::string_view stamp = name.substr(site.size(), name.size() - site.size() - tail.size());
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (stamp.size() < 12 || !digits(stamp.substr(0, 12))) return false;
    return stamp.size() == 12 || (stamp[12] == '-' && digits(stamp.substr(13)));
}

}  // namespace

std::string PartialBackupFolder(const std::string& backupFolder) {
    return backupFolder.substr(0, backupFolder.size() - 1) + std::string(kTemporaryMark) + std::string(kPartial) +
           kSeparator;
}

std::size_t RemoveLeftovers(const std::string& siteRoot) {
    FileSystem& fs = ActiveFileSystem();
    std::size_t removed = 0;
    const std::string root = NormaliseFolder(siteRoot);
    WalkSiteFolder(root, SitePass::Backup, "*.*", [&](const SiteFile& file) {
        if (file.name.find(kTemporaryMark) != std::string::npos && fs.remove(file.path())) ++removed;
        return std::string{};
    });
    const std::string bare = root.substr(0, root.size() - 1);
    const std::string parent = FolderOfPath(bare);
    const std::string site = FileNameOfPath(bare);
    std::vector<FolderEntry> entries;
    std::string error;
    if (site.empty() || !fs.list(parent, entries, error)) return removed;
    for (const FolderEntry& entry : entries) {
        if (entry.kind != FolderEntry::Kind::Folder || !IsPartialBackupOf(entry.name, site)) continue;
        RemoveBackupFolder(parent + entry.name + kSeparator);
        ++removed;
    }
    return removed;
}

}  // namespace wk
