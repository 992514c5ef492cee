// The link update: every link that names no page but whose page a commit
// renamed to .shtml is rewritten to the new name, in the pages and the menu.
// Only the file name within the link changes, and no other byte of a page.
#include <algorithm>
#include <functional>
#include <limits>

#include "app/commands_menu.h"
#include "app/commit.h"
#include "app/link_check.h"
#include "app/settings.h"
#include "app/site_run.h"
#include "ground/file_system.h"
#include "ground/ordered_work.h"
#include "markup/page_commit.h"
#include "menu/menu_file.h"
#include "site/staged_writes.h"

namespace wk {

std::string UpdateLinksQuestion(std::size_t links) {
    if (links == 1) return "1 link inside the site points to a page that was renamed. Update it?";
    return std::to_string(links) + " links inside the site point to pages that were renamed. Update them?";
}

namespace {

using PageLinksAction =
    std::function<std::string(const SiteFile&, const std::string& page, const std::vector<JudgedLink>& renamed)>;

// A page read and its links to renamed pages found, on any core.
struct PageLinks {
    bool read = false;
    std::string page;  // its text, kept only when asked for and it has such links
    std::vector<JudgedLink> renamed;
};

// Pages whose links are judged ahead of the one handled, by their size, when
// their texts are kept; without them, what is held is small.
constexpr std::uint64_t kJudgedAheadBytes = 32u << 20;

enum class PageText { Kept, Dropped };

// Hands each page that can be read to action, in the walk's order, with its
// links to renamed pages (and, when kept, its text if it has any); a page
// that cannot be read is handed to unread. The pages are read and judged on
// every core.
std::string WalkRenamedLinks(SiteRun& run, const LinkSite& site, PageText text, const PageLinksAction& action,
                             const std::function<void(const SiteFile&)>& unread) {
    std::vector<SiteFile> pages;
    std::string stop = ListSiteFolder(run.root, SitePass::Links, run.pattern, pages);
    if (!stop.empty()) return stop;
    OrderedWork<PageLinks> judging(SizesOf(pages), [&](std::size_t i) {
        PageLinks links;
        std::optional<std::string> page = ActiveFileSystem().read(pages[i].path());
        if (!page) return links;
        links.read = true;
        links.renamed = JudgePageLinks(*page, PageFolder(site, pages[i]), site.address, site.files);
        std::erase_if(links.renamed, [](const JudgedLink& link) { return !link.verdict.renamed; });
        if (text == PageText::Kept && !links.renamed.empty()) links.page = std::move(*page);
        return links;
    }, text == PageText::Kept ? kJudgedAheadBytes : std::numeric_limits<std::uint64_t>::max());
    for (std::size_t i = 0; i < pages.size() && stop.empty(); ++i) {
        const PageLinks links = judging.take(i);
        if (links.read) stop = action(pages[i], links.page, links.renamed);
        else unread(pages[i]);
    }
    return stop;
}

// The menu's links to renamed pages, numbered in display order.
std::vector<std::pair<NodeId, LinkChange>> RenamedMenuLinks(const Workspace& ws, const LinkSite& site) {
    std::vector<std::pair<NodeId, LinkChange>> renamed;
    int number = 0;
    for (const NodeId id : ws.tree.displayOrder()) {
        const std::string& link = ws.tree.node(id).link;
        const LinkVerdict verdict = JudgeMenuLink(site, link);
        ++number;
        if (verdict.renamed) renamed.push_back({id, {kMenuLinks, number, link, verdict.suggestion}});
    }
    return renamed;
}

std::string CountRenamedLinks(SiteRun& run, std::size_t& count) {
    LinkSite site;
    if (std::string error = ReadLinkSite(run.ws, site); !error.empty()) return error;
    count = RenamedMenuLinks(run.ws, site).size();
    return WalkRenamedLinks(
        run, site, PageText::Dropped,
        [&](const SiteFile&, const std::string&, const std::vector<JudgedLink>& renamed) {
            count += renamed.size();
            return std::string{};
        },
        [](const SiteFile&) {});
}

// The menu's links follow the pages as a commit's do: default.mnu is saved,
// and the include file, when the site has one, written again.
std::string RelinkMenu(SiteRun& run, const LinkSite& site) {
    const auto renamed = RenamedMenuLinks(run.ws, site);
    for (const auto& [id, change] : renamed) {
        run.summary.links.push_back(change);
        if (!run.options.dryRun) run.ws.tree.setLink(id, change.to);
    }
    if (renamed.empty() || run.options.dryRun) return {};
    ReportSettingWrite(run.ws, SaveMenuTree(run.ws.appFolder, run.ws.tree));
    if (!ActiveFileSystem().isFile(MenuFolder(run.ws) + kIncludeFile)) return {};
    const WriteOutcome w = WriteWholeFile(MenuFolder(run.ws), kIncludeFile, MenuCapsule(run.ws));
    return w ? std::string{} : w.error;
}

std::string BackUpBeforeLinkUpdate(SiteRun& run) { return BackUpInto(run, run.summary.linksBackupFolder); }

bool ListedAsSkipped(const SiteRun& run, const SiteFile& file) {
    return std::any_of(run.summary.skipped.begin(), run.summary.skipped.end(),
                       [&](const PageNote& page) { return page.page == file.path(); });
}

}  // namespace

std::string BackUpForLinks(SiteRun& run) {
    std::size_t count = 0;
    if (std::string error = CountRenamedLinks(run, count); !error.empty() || count == 0) return error;
    return BackUpInto(run, run.summary.backupFolder);
}

std::string RelinkPages(SiteRun& run) {
    LinkSite site;
    if (std::string error = ReadLinkSite(run.ws, site); !error.empty()) return error;
    StagedWrites writes;
    const std::string stop = WalkRenamedLinks(
        run, site, PageText::Kept,
        [&](const SiteFile& file, const std::string& page, const std::vector<JudgedLink>& renamed) {
            run.count(file);
            std::vector<LinkChange> changes;
            for (const JudgedLink& link : renamed)
                changes.push_back({file.path(), link.link.line, std::string(link.link.in(page)), link.verdict.suggestion});
            std::string error;
            if (run.options.dryRun)
                run.summary.links.insert(run.summary.links.end(), changes.begin(), changes.end());
            else if (!changes.empty())
                error = writes.write(file.path(), WithRenamedLinks(page, renamed), file.path(), [&run, changes] {
                    run.summary.links.insert(run.summary.links.end(), changes.begin(), changes.end());
                    return std::string{};
                });
            run.showBar(SitePass::Links);
            return error;
        },
        [&](const SiteFile& file) {
            if (!ListedAsSkipped(run, file)) run.skipped(file, "cannot be read");
        });
    const std::string committed = writes.commit();
    if (!stop.empty()) return stop;
    return committed.empty() ? RelinkMenu(run, site) : committed;
}

std::string OfferLinkUpdate(SiteRun& run) {
    std::size_t count = 0;
    if (run.options.dryRun) return {};
    if (std::string error = CountRenamedLinks(run, count); !error.empty() || count == 0) return error;
    if (!run.ws.prompt->askYesNo(kUpdateLinksTitle, UpdateLinksQuestion(count))) return {};
    // The upgrade's own figures stay those of its summary.
    const SiteFigures figures = run.figures;
    const std::uint64_t bytes = run.processedBytes;
    const std::uint64_t files = run.processedFiles;
    const std::string stop = RunSteps(
        run, {ClearFigures, AnalyseSite, BackUpBeforeLinkUpdate, ClearFigures, AnalyseLinkPages, RelinkPages});
    run.figures = figures;
    run.processedBytes = bytes;
    run.processedFiles = files;
    return stop.empty() ? stop : "The upgrade is done; updating its links stopped: " + stop;
}

}  // namespace wk
