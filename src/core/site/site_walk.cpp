#include "site/site_walk.h"

#include <vector>

#include "ground/file_routines.h"
#include "ground/file_system.h"

namespace wk {

namespace {

std::string Walk(const std::string& dir, const std::string& root, SitePass pass, std::string_view pattern,
                 const PassAction& action) {
    // Both lists are taken before any file is handled, so files a pass writes
    // into the folder are not met again.
    std::vector<FolderEntry> entries;
    std::string error;
    if (!ActiveFileSystem().list(dir, entries, error)) return error;
    for (const FolderEntry& entry : entries) {
        if (entry.kind != FolderEntry::Kind::File || !IsSiteFile(entry.name, pass, pattern)) continue;
        // A link to a file counts as that file only when the file is in the site.
        if (entry.link && !LiesInside(dir + entry.name, root)) continue;
        if (std::string stop = action({dir, entry.name, entry.size}); !stop.empty()) return stop;
    }
    for (const FolderEntry& entry : entries) {
        if (entry.kind != FolderEntry::Kind::Folder) continue;
        if (std::string stop = Walk(dir + entry.name + kSeparator, root, pass, pattern, action); !stop.empty())
            return stop;
    }
    return {};
}

}  // namespace

std::string WalkSiteFolder(const std::string& folder, SitePass pass, std::string_view pattern,
                           const PassAction& action) {
    const std::string root = NormaliseFolder(folder);
    return Walk(root, root, pass, pattern, action);
}

std::string ListSiteFolder(const std::string& folder, SitePass pass, std::string_view pattern,
                           std::vector<SiteFile>& files) {
    return WalkSiteFolder(folder, pass, pattern, [&](const SiteFile& file) {
        files.push_back(file);
        return std::string{};
    });
}

std::vector<std::uint64_t> SizesOf(const std::vector<SiteFile>& files) {
    std::vector<std::uint64_t> sizes;
    for (const SiteFile& file : files) sizes.push_back(file.size);
    return sizes;
}

}  // namespace wk
