#include "site/site_walk.h"

#include <vector>

#include "ground/file_routines.h"
#include "ground/file_system.h"

namespace wk {

std::string WalkSiteFolder(const std::string& folder, SitePass pass, std::string_view pattern,
                           const PassAction& action) {
    const std::string dir = NormaliseFolder(folder);
    // Both lists are taken before any file is handled, so files a pass writes
    // into the folder are not met again.
    std::vector<FolderEntry> entries;
    std::string error;
    if (!ActiveFileSystem().list(dir, entries, error)) return error;
    for (const FolderEntry& entry : entries) {
        if (entry.kind != FolderEntry::Kind::File || !IsSiteFile(entry.name, pass, pattern)) continue;
        if (std::string stop = action({dir, entry.name, entry.size}); !stop.empty()) return stop;
    }
    for (const FolderEntry& entry : entries) {
        if (entry.kind != FolderEntry::Kind::Folder) continue;
        if (std::string stop = WalkSiteFolder(dir + entry.name, pass, pattern, action); !stop.empty()) return stop;
    }
    return {};
}

}  // namespace wk
