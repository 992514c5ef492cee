// The removal of every menu: the site backed up, the menu folder's files
// deleted, and every page that holds the include or the style import
// stripped of them, the pages read and stripped on every core.
#include <optional>
#include <vector>

#include "app/site_run.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/ordered_work.h"
#include "markup/menu_removal.h"
#include "markup/page_commit.h"
#include "site/staged_writes.h"

namespace wk {
namespace {

std::string MenuFolderOf(const SiteRun& run) { return run.root + kMenuFolderName + kSeparator; }

// The menu's own files go before the pages are stripped. Failures are
// passed over: a missing folder, or a subfolder that keeps it.
std::string DeleteMenuFolder(SiteRun& run) {
    if (run.options.dryRun) return {};
    FileSystem& fs = ActiveFileSystem();
    const std::string folder = MenuFolderOf(run);
    std::vector<FolderEntry> entries;
    std::string error;
    if (!fs.list(folder, entries, error)) return {};
    for (const FolderEntry& entry : entries)
        if (entry.kind != FolderEntry::Kind::Folder) fs.remove(folder + entry.name);
    fs.removeFolder(folder);
    return {};
}

std::string HowStripped(const MenuRemoval& removed) {
    if (removed.includes && removed.imports) return "include removed, style import removed";
    return removed.includes ? "include removed" : "style import removed";
}

// A page read and stripped, on any core; its text kept only when it changed.
struct StrippedPage {
    bool read = false;
    MenuRemoval removed;
    std::string text;
};

// Pages stripped ahead of the one being written, by their size.
constexpr std::uint64_t kStrippedAheadBytes = 32u << 20;

// The pages to strip, but not the menu folder's own files, which go first.
std::string ListPagesToStrip(SiteRun& run, std::vector<SiteFile>& pages) {
    std::string stop = ListSiteFolder(run.root, SitePass::RemoveMenus, run.pattern, pages);
    if (!run.options.dryRun)
        std::erase_if(pages, [menuFolder = MenuFolderOf(run)](const SiteFile& page) { return page.folder == menuFolder; });
    return stop;
}

}  // namespace

// Only a page that holds the include or the import is written, with exactly
// the bytes that are left. The pages are read and stripped while the site
// is backed up; none is written before the backup is whole.
std::string RemoveAllMenus(SiteRun& run) {
    std::vector<SiteFile> pages;
    std::string stop = ListPagesToStrip(run, pages);
    if (!stop.empty()) return stop;
    OrderedWork<StrippedPage> stripping(SizesOf(pages), [&pages](std::size_t i) {
        StrippedPage stripped;
        std::optional<std::string> page = ActiveFileSystem().read(pages[i].path());
        if (!page) return stripped;
        stripped.read = true;
        stripped.removed = RemoveMenuFromPage(*page);
        if (stripped.removed.any()) stripped.text = std::move(*page);
        return stripped;
    }, kStrippedAheadBytes);
    stop = RunSteps(run, {BackUpSite, ClearFigures, DeleteMenuFolder});
    if (!stop.empty()) return stop;
    // The removal also strips every .shtml page: measured against the markup
    // alone, its bar would pass 100% long before the end.
    AnalyseListed(run, pages);
    StagedWrites writes;
    for (std::size_t i = 0; i < pages.size() && stop.empty(); ++i) {
        const SiteFile& file = pages[i];
        run.count(file);
        const StrippedPage page = stripping.take(i);
        if (!page.read) {
            run.skipped(file, "cannot be read");
        } else if (!page.removed.any()) {
        } else if (run.options.dryRun) {
            run.changed(file, HowStripped(page.removed));
        } else {
            stop = writes.write(file.path(), page.text, file.path(), [&run, file, removed = page.removed] {
                run.changed(file, HowStripped(removed));
                return std::string{};
            });
        }
        run.showBar(SitePass::RemoveMenus);
    }
    std::string committed = writes.commit();
    return stop.empty() ? committed : stop;
}

}  // namespace wk
