// The Upgrade pass: each selected page committed as the Commit button does,
// the pages worked out on every core, the menu's two files written once for
// the whole pass.
#include <optional>
#include <set>
#include <vector>

#include "app/commands_menu.h"
#include "app/commit.h"
#include "app/page.h"
#include "app/settings.h"
#include "app/site_run.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/ordered_work.h"
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
    CommittedPage committed;  // its text left out: the bytes hold it
    bool unchanged = false;   // same name, same text: nothing to write
    std::string bytes;        // the file to write, when it changed
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
    if (!planned.unchanged) planned.bytes = PageFileBytes(planned.committed.text);
    planned.committed.text = {};
    planned.how = HowChanged(name, planned.committed, settings);
    return planned;
}

// A page of the pass as a worker leaves it: unread, waiting for the category
// the user is to be asked for, or planned.
struct PageWork {
    bool read = false;
    std::string page;  // kept only while its category is still to be asked
    std::optional<PlannedPage> planned;
};

// Reads the page and plans its upgrade, unless it has no category to read
// and the user must be asked for one (mayAsk): questions are asked in the
// pages' order, when the pass reaches the page.
PageWork WorkOut(const SiteFile& file, CommitSettings settings, ProposalMethod method, bool mayAsk) {
    PageWork work;
    std::optional<std::string> page = ReadPageFile(file.path());
    if (!page) return work;
    work.read = true;
    if (settings.options[kOptCategory]) {
        settings.category = ReadMetaContent(*page, "category");
        if (settings.category.empty() && mayAsk) {
            work.page = std::move(*page);
            return work;
        }
        settings.category = TrimSpaces(settings.category);
    }
    work.planned = PlanUpgrade(*page, file.name, std::move(settings), method);
    return work;
}

// Pages planned ahead of the one being written, by their size: enough to keep
// every core busy through the backup, few enough for a small memory.
constexpr std::uint64_t kPlannedAheadBytes = 16u << 20;

class Upgrade {
public:
    // Starts working the pages out, on every core.
    Upgrade(SiteRun& run, std::vector<SiteFile> pages)
        : run_(run),
          settings_(CommitSettingsOf(run.ws)),
          method_(run.ws.options.proposals),
          pages_(std::move(pages)),
          work_(SizesOf(pages_), [this, mayAsk = !run.options.dryRun](std::size_t i) {
              return WorkOut(pages_[i], settings_, method_, mayAsk);
          }, kPlannedAheadBytes) {}

    // The style sheet and include file go first, once; the include file again
    // at the end when pages moved, so the live menu links their new names.
    // The pages are finished in the walk's order, so the questions, the names
    // taken, the summary and the writes come out as one page at a time would
    // give them.
    std::string run() {
        if (!run_.options.dryRun)
            for (const MenuFile& file : MenuFiles(settings_))
                if (WriteOutcome w = WriteWholeFile(MenuFolder(run_.ws), file.name, file.text); !w) return w.error;
        std::string stop;
        for (std::size_t i = 0; i < pages_.size() && stop.empty(); ++i) stop = finishPage(pages_[i], work_.take(i));
        const std::string committed = writes_.commit();
        const std::string finished = finish();
        if (!stop.empty()) return stop;
        return committed.empty() ? finished : committed;
    }

    const std::vector<SiteFile>& pages() const { return pages_; }

private:
    SiteRun& run_;
    const CommitSettings settings_;
    const ProposalMethod method_;
    const std::vector<SiteFile> pages_;
    StagedWrites writes_;
    std::set<std::string> claimed_;  // the names pages took in this pass, written or (in a dry run) not
    bool relinked_ = false;
    std::string movedCurrentPage_;
    // Last, so the workers stop before what they read goes.
    OrderedWork<PageWork> work_;

    std::string finishPage(const SiteFile& file, PageWork work) {
        run_.count(file);
        std::string error;
        if (!work.read) {
            run_.skipped(file, "cannot be read");
        } else {
            if (!work.planned) work.planned = PlanWithCategoryAsked(file, work.page);
            error = place(file, std::move(*work.planned));
        }
        run_.showBar(SitePass::Upgrade);
        return error;
    }

    // Loading a page without a category asks for one.
    PlannedPage PlanWithCategoryAsked(const SiteFile& file, const std::string& page) {
        CommitSettings settings = settings_;
        settings.category = TrimSpaces(
            run_.ws.prompt->inputBox("Empty Category", "This page has no category. Please enter the category:")
                .value_or(std::string{}));
        return PlanUpgrade(page, file.name, std::move(settings), method_);
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
        return writes_.write(newPath, planned.bytes, file.path(),
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

std::string UpgradeSite(SiteRun& run) {
    std::vector<SiteFile> pages;
    std::string stop = ListSiteFolder(run.root, SitePass::Upgrade, run.pattern, pages);
    if (!stop.empty()) return stop;
    // The pages are worked out while the site is backed up; none is written
    // before the backup is whole.
    Upgrade upgrade(run, std::move(pages));
    if (stop = RunSteps(run, {BackUpSite, ClearFigures}); !stop.empty()) return stop;
    AnalyseListed(run, upgrade.pages());
    return upgrade.run();
}

}  // namespace wk
