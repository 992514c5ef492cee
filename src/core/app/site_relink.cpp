// The link update: every link that names no page but whose page a commit
// renamed to .shtml is rewritten to the new name, in the pages and the menu.
// Only the file name within the link changes, and no other byte of a page.
#include <algorithm>
#include <functional>

#include "app/commands_menu.h"
#include "app/commit.h"
#include "app/link_check.h"
#include "app/settings.h"
#include "app/site_run.h"
#include "ground/file_system.h"
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

// Hands each page that can be read to action with its links to renamed
// pages; a page that cannot be read is handed to unread.
std::string WalkRenamedLinks(SiteRun& run, const LinkSite& site, const PageLinksAction& action,
                             const std::function<void(const SiteFile&)>& unread) {
    return WalkSiteFolder(run.root, SitePass::Links, run.pattern, [&](const SiteFile& file) {
        const std::optional<std::string> page = ActiveFileSystem().read(file.path());
        if (!page) {
            unread(file);
            return std::string{};
        }
        std::vector<JudgedLink> links = JudgePageLinks(*page, PageFolder(site, file), site.address, site.files);
        std::erase_if(links, [](const JudgedLink& link) { return !link.verdict.renamed; });
        return action(file, *page, links);
    });
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
        run, site,
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
        run, site,
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
