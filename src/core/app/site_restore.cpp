// The Restore pass: the site folder made identical to a backup. Files that
// differ or are missing are copied back (staged and flushed together, as the
// pages of an upgrade are written), then files the backup does not hold are
// removed, with the folders that leaves empty; the menu's links follow the
// pages back to their old names.
#include <map>
#include <set>

#include "app/link_check.h"
#include "app/restore.h"
#include "app/settings.h"
#include "app/site_run.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "menu/menu_file.h"
#include "site/staged_writes.h"

namespace wk {

std::vector<SiteBackup> SiteBackups(const Workspace& ws) {
    return ListBackups(NormaliseFolder(TrimSpaces(ws.status.siteRoot)));
}

std::optional<SiteBackup> FindSiteBackup(const Workspace& ws, const std::string& nameOrPath) {
    const std::string folder = NormaliseFolder(nameOrPath);
    for (const SiteBackup& backup : SiteBackups(ws))
        if (backup.name == nameOrPath || backup.folder == folder || backup.folder == AbsoluteFolder(nameOrPath))
            return backup;
    return std::nullopt;
}

bool ConfirmRestore(Workspace& ws, const SiteBackup& backup) {
    return ws.prompt->askYesNo("Restore Site?", "Make " + NormaliseFolder(TrimSpaces(ws.status.siteRoot)) +
                                                    " identical to the backup of " + backup.when + " (" +
                                                    backup.name + ")? The site as it is now is backed up first.");
}

namespace {

// Every file under folder by its path below it, with its size.
std::string FilesUnder(const std::string& folder, std::map<std::string, std::uint64_t>& files) {
    return WalkSiteFolder(folder, SitePass::Restore, {}, [&](const SiteFile& file) {
        files[file.path().substr(folder.size())] = file.size;
        return std::string{};
    });
}

bool SameBytes(const std::string& a, const std::string& b) {
    FileSystem& fs = ActiveFileSystem();
    const std::optional<std::string> first = fs.read(a);
    return first && first == fs.read(b);
}

// Removes the folder of each removed file, and the folders above it, while
// they are empty (the site root stays): a folder left holding anything,
// even an empty folder it had before, stops there.
void RemoveEmptiedFolders(const std::string& root, const std::set<std::string>& folders) {
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
        for (std::string up = *folder; up.size() > root.size() && ActiveFileSystem().removeFolder(up);)
            up = FolderOfPath(up.substr(0, up.size() - 1));
}

class Restore {
public:
    Restore(SiteRun& run, std::string backup) : run_(run), backup_(std::move(backup)) {}

    std::string run() {
        if (std::string error = FilesUnder(backup_, kept_); !error.empty()) return error;
        if (std::string error = FilesUnder(run_.root, present_); !error.empty()) return error;
        for (const auto& [path, size] : kept_) CountFile(run_.figures, size);
        run_.view.showFigures(run_.figures);
        std::string stop;
        for (auto file = kept_.begin(); file != kept_.end() && stop.empty(); ++file) stop = putBack(file->first);
        const std::string committed = writes_.commit();
        if (!stop.empty()) return stop;
        if (!committed.empty()) return committed;
        if (std::string error = removeAdded(); !error.empty()) return error;
        if (!run_.options.dryRun) followMenu();
        return {};
    }

private:
    SiteRun& run_;
    std::string backup_;
    std::map<std::string, std::uint64_t> kept_;     // what the backup holds
    std::map<std::string, std::uint64_t> present_;  // what the site holds now
    std::set<std::string> returned_;  // files put back that the site did not hold
    std::set<std::string> removed_;
    StagedWrites writes_;

    std::string putBack(const std::string& path) {
        const SiteFile file{FolderOfPath(run_.root + path), FileNameOfPath(path), kept_[path]};
        run_.count(file);
        run_.showBar(SitePass::Restore);
        const auto now = present_.find(path);
        if (now != present_.end() && now->second == file.size && SameBytes(backup_ + path, file.path())) return {};
        const std::string how = now == present_.end() ? "put back" : "put back as it was";
        if (run_.options.dryRun) {
            run_.changed(file, how);
            return {};
        }
        if (!CreateFolders(run_.root, file.folder)) return "Cannot create the folder " + file.folder;
        return writes_.copy(backup_ + path, file.size, file.path(), [this, file, how, path] {
            run_.changed(file, how);
            if (!present_.count(path)) returned_.insert(path);
            return std::string{};
        });
    }

    std::string removeAdded() {
        std::set<std::string> emptied;
        for (const auto& [path, size] : present_) {
            if (kept_.count(path)) continue;
            const SiteFile file{FolderOfPath(run_.root + path), FileNameOfPath(path), size};
            if (!run_.options.dryRun && !ActiveFileSystem().remove(file.path()))
                return "Cannot remove " + file.path() + ", which the backup does not hold";
            run_.changed(file, kRemovedNote);
            removed_.insert(path);
            emptied.insert(file.folder);
        }
        if (!run_.options.dryRun) RemoveEmptiedFolders(run_.root, emptied);
        return {};
    }

    // The menu's links follow the pages back, as they followed them to their
    // .shtml names: a link to a page the restore removed leads to the page of
    // its stem put back in that folder (os.shtml to os.html). The include file
    // came back with the site.
    void followMenu() {
        LinkSite returned;
        returned.root = run_.root;
        returned.address = SiteAddressOf(run_.ws.status.siteUrl);
        for (const std::string& path : returned_) returned.files.add(path);
        int number = 0;
        for (const NodeId id : run_.ws.tree.displayOrder()) {
            const std::string link = run_.ws.tree.node(id).link;
            const std::optional<std::string> target = MenuLinkTarget(returned.address, link);
            ++number;
            if (!target || !removed_.count(*target)) continue;
            const LinkVerdict verdict = JudgeMenuLink(returned, link);
            if (verdict.suggestion.empty()) continue;
            run_.ws.tree.setLink(id, verdict.suggestion);
            run_.summary.links.push_back({kMenuLinks, number, link, verdict.suggestion});
        }
        if (!run_.summary.links.empty()) ReportSettingWrite(run_.ws, SaveMenuTree(run_.ws.appFolder, run_.ws.tree));
    }
};

}  // namespace

std::string FindRestoreSource(SiteRun& run) {
    const std::optional<SiteBackup> backup = FindSiteBackup(run.ws, run.options.backup);
    if (!backup) return run.options.backup + " is not a backup of the site " + run.root;
    run.options.backup = backup->folder;
    return {};
}

std::string RestoreFiles(SiteRun& run) { return Restore(run, run.options.backup).run(); }

}  // namespace wk
