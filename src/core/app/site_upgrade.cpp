// The Upgrade pass: each selected page committed as the Commit button does,
// the pages worked out on every core, the menu's two files written once for
// the whole pass.
#include <algorithm>
#include <deque>
#include <future>
#include <set>
#include <thread>

#include "app/commands_menu.h"
#include "app/commit.h"
#include "app/page.h"
#include "app/settings.h"
#include "app/site_run.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "markup/scan.h"
#include "menu/menu_file.h"
#include "meta/proposals.h"
#include "site/staged_writes.h"

namespace wk {
namespace {

// One page's upgrade worked out in memory: what the commit writes, and how
// the page changes. Pure, so pages are worked out side by side.
struct PlannedPage {
    CommittedPage committed;
    bool unchanged = false;  // same name, same text: nothing to write
    std::string how;
};

std::string HowChanged(const std::string& name, const CommittedPage& page, const CommitSettings& settings) {
    const CommitOptions& on = settings.options;
    std::vector<std::string> parts;
    if (page.name != name) parts.push_back("renamed to " + page.name);
    if (page.includeAdded) parts.push_back("include added");
    if (on[kOptMenu] && page.menuMissing) parts.push_back("menu not inserted: no " + settings.anchor + " tag");
    if (page.importAdded) parts.push_back("style import added");
    if (on[kOptBoilerplate] || on[kOptKeywords] || on[kOptDescription] || on[kOptCategory])
        parts.push_back("meta tags written");
    if (parts.empty()) parts.push_back("normalised");
    std::string how = parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i) how += ", " + parts[i];
    return how;
}

// settings holds the site's entries and the page's category; the page's own
// keywords and description are proposed here, as loading it would, when
// the commit writes them.
PlannedPage PlanUpgrade(const std::string& page, const std::string& name, CommitSettings settings,
                        ProposalMethod method) {
    // Both proposals at once, as loading the page makes them: they share one
    // reading of the page's text.
    if (settings.options[kOptKeywords] || settings.options[kOptDescription]) {
        Proposals proposals = Propose(page, method, Candidates::Omitted);
        if (settings.options[kOptKeywords]) settings.keywords = std::move(proposals.keywords);
        if (settings.options[kOptDescription]) settings.description = std::move(proposals.description);
    }
    PlannedPage planned;
    planned.committed = CommitPageText(page, name, settings);
    planned.unchanged = planned.committed.name == name && planned.committed.text == page;
    planned.how = HowChanged(name, planned.committed, settings);
    return planned;
}

// Loading the page reads its category, and asks once for a page without one.
std::string PageCategory(SiteRun& run, const std::string& page) {
    std::string category = ReadMetaContent(page, "category");
    if (category.empty() && !run.options.dryRun)
        category = run.ws.prompt->inputBox("Empty Category", "This page has no category. Please enter the category:")
                       .value_or(std::string{});
    return TrimSpaces(category);
}

class Upgrade {
public:
    explicit Upgrade(SiteRun& run) : run_(run), settings_(CommitSettingsOf(run.ws)) {}

    // The style sheet and include file go first, once; the include file again
    // at the end when pages moved, so the live menu links their new names.
    std::string run() {
        if (!run_.options.dryRun)
            for (const MenuFile& file : MenuFiles(settings_))
                if (WriteOutcome w = WriteWholeFile(MenuFolder(run_.ws), file.name, file.text); !w) return w.error;
        std::string stop = WalkSiteFolder(run_.root, SitePass::Upgrade, run_.pattern,
                                          [&](const SiteFile& file) { return start(file); });
        while (!inWork_.empty() && stop.empty()) stop = finishOldest();
        inWork_.clear();  // after a failure: waits for the pages still being worked out, and drops them
        const std::string committed = writes_.commit();
        const std::string finished = finish();
        if (!stop.empty()) return stop;
        return committed.empty() ? finished : committed;
    }

private:
    // A page read, its category asked, and its upgrade being worked out on
    // another core; none when it could not be read.
    struct PageInWork {
        SiteFile file;
        std::optional<std::future<PlannedPage>> plan;
    };

    SiteRun& run_;
    CommitSettings settings_;
    StagedWrites writes_;
    std::set<std::string> claimed_;  // the names pages took in this pass, written or (in a dry run) not
    bool relinked_ = false;
    std::string movedCurrentPage_;
    // Pages are worked out side by side, one a core, and finished in the
    // walk's order, so the questions, the names taken, the summary and the
    // writes come out as one page at a time would give them.
    std::deque<PageInWork> inWork_;
    const std::size_t cores_ = std::max(1u, std::thread::hardware_concurrency());

    std::string start(const SiteFile& file) {
        PageInWork work{file, std::nullopt};
        if (std::optional<std::string> page = ReadPageFile(file.path())) {
            CommitSettings settings = settings_;
            if (settings.options[kOptCategory]) settings.category = PageCategory(run_, *page);
            work.plan = std::async(std::launch::async, PlanUpgrade, std::move(*page), file.name, std::move(settings),
                                   run_.ws.options.proposals);
        }
        inWork_.push_back(std::move(work));
        return inWork_.size() > cores_ ? finishOldest() : std::string{};
    }

    std::string finishOldest() {
        PageInWork work = std::move(inWork_.front());
        inWork_.pop_front();
        run_.count(work.file);
        std::string error;
        if (work.plan) error = place(work.file, work.plan->get());
        else run_.skipped(work.file, "cannot be read");
        run_.showBar(SitePass::Upgrade);
        return error;
    }

    std::string place(const SiteFile& file, PlannedPage planned) {
        if (planned.unchanged) return {};
        const std::string newPath = file.folder + planned.committed.name;
        // Two pages may take one .shtml name: the second keeps its old one.
        if (ReplacesAnotherFile(file.path(), newPath) || claimed_.count(newPath)) {
            run_.skipped(file, planned.committed.name + " already exists");
            return {};
        }
        claimed_.insert(newPath);
        if (run_.options.dryRun) {
            run_.changed(file, std::move(planned.how));
            return {};
        }
        // A page that moves is written under its new name, and its old file
        // is deleted only once the new one is on the disk: a run killed in
        // between leaves the page in both forms, never in neither, nor
        // upgraded under its old name. (Deleting costs more than a rename.)
        const bool moves = settings_.options[kOptMenu] && OldFileGoes(file.path(), newPath);
        return writes_.write(newPath, PageFileBytes(planned.committed.text), file.path(),
                             [this, file, moves, name = planned.committed.name, how = std::move(planned.how)] {
                                 return placed(file, moves, name, how);
                             });
    }

    // The page's new text is in place: a page that moves loses its old file;
    // with the Menu option the menu link follows the page, as a commit's does.
    std::string placed(const SiteFile& file, bool moves, const std::string& newName, const std::string& how) {
        const std::string newPath = file.folder + newName;
        if (moves && !ActiveFileSystem().remove(file.path()))
            return "The page was saved as " + newPath + " but " + file.path() + " could not be deleted";
        run_.changed(file, how);
        if (!settings_.options[kOptMenu]) return {};
        if (RelinkMovedPage(run_.ws, file.path(), newName)) relinked_ = true;
        if (run_.ws.page.path == file.path()) movedCurrentPage_ = newPath;
        return {};
    }

    // Also after a failure: the links of the pages already moved are kept.
    std::string finish() {
        if (!movedCurrentPage_.empty()) LoadPage(run_.ws, movedCurrentPage_, CategoryQuestion::Defer);
        if (!relinked_) return {};
        ReportSettingWrite(run_.ws, SaveMenuTree(run_.ws.appFolder, run_.ws.tree));
        const WriteOutcome w = WriteWholeFile(MenuFolder(run_.ws), kIncludeFile, MenuCapsule(run_.ws));
        return w ? std::string{} : w.error;
    }
};

}  // namespace

std::string UpgradePages(SiteRun& run) { return Upgrade(run).run(); }

}  // namespace wk
