#pragma once
// The site-wide operations over the workspace's site: analysis, backup, the
// upgrade of every page and the removal of the menus, each a fixed sequence
// of passes over the site folder, with the progress shown after every file.
#include <cstdint>
#include <string>
#include <vector>

#include "app/workspace.h"
#include "site/progress.h"

namespace wk {

// The operation codes the progress window is opened with.
enum SiteOperationCode {
    kRemoveAllMenus = 0,  // analyse, back up, delete the "_" folder, strip every page
    kWeighPages = 1,
    kBackUpSite = 2,      // analyse, back up
    kUpgradeSite = 3,     // analyse, back up, commit every page
    kAnalyseSite = 4,
    kAnalyseMarkup = 5,
    kRelinkSite = 6,      // analyse, back up, update the links to renamed pages
    kRestoreSite = 7,     // analyse, back up, make the site identical to a backup
};

// What the progress window, or the terminal, shows while an operation runs.
// Called on the thread that runs the operation, after every file, so a
// desktop window can repaint and let its event loop run there.
class SiteOperationView {
public:
    virtual ~SiteOperationView() = default;
    // The three figures after each file of an analysis pass; all zero when
    // they are cleared between the backup and the analysis of the pages.
    virtual void showFigures(const SiteFigures& figures) = 0;
    // The bar to repaint after each file of the backup, removal or upgrade.
    virtual void showBar(const ProgressBar& bar) = 0;
};

struct PageNote {
    std::string page;  // its path
    std::string note;  // how it changed, or why it was left as it was
};

// A link rewritten to the new name of the page it leads to.
struct LinkChange {
    std::string page;  // its path, or kMenuLinks (link_check.h) for a link of the menu tree
    int line = 0;      // in the page; for the menu, the node's number in display order
    std::string from;
    std::string to;
};

struct SiteSummary {
    bool stopped = false;           // a failure ended the operation early
    std::string error;              // then: which file, and why
    SiteFigures figures;            // of the last analysis pass
    std::vector<PageNote> changed;  // every page changed (in a dry run: that would change), and how
    std::vector<PageNote> skipped;  // every selected page left as it was, and why
    std::uint64_t bytes = 0;        // of the files the last pass handled
    double seconds = 0;             // from the start, on a monotonic clock
    std::string backupFolder;       // the backup made; empty when none
    std::vector<LinkChange> links;  // every link updated (in a dry run: that would be)
    std::string linksBackupFolder;  // after an upgrade: the backup made before its links were updated
};

struct SiteRunOptions {
    // Changes nothing, not even the backup, and asks nothing: lists the pages
    // that would change and how, and the ones that would be skipped.
    bool dryRun = false;
    // A restore: the backup folder (ending with the separator) the site is made identical to.
    std::string backup;
};

// "Delete ALL Menus?", asked before a removal is started; true for Yes.
bool ConfirmMenuRemoval(Workspace& ws);

// "N links inside the site point to pages that were renamed. Update them?",
// asked at the end of an upgrade that left such links.
inline constexpr const char* kUpdateLinksTitle = "Update Links?";
std::string UpdateLinksQuestion(std::size_t links);

// Runs the operation's passes over the site root with the stored filter,
// options, anchor and boilerplate; any other code does nothing. Every file
// of the site is backed up and the backup checked before the first page
// changes; a failure stops the operation there, leaving each page either as
// it was or fully changed, and the backup in place. A page that cannot be
// read, or whose .shtml name another file holds, is skipped and listed.
// An upgrade that leaves links to the pages it renamed asks whether to
// update them, and does so after a backup of its own. A restore makes the
// site folder identical to options.backup: changed and missing files put
// back, files added since removed, with the folders they emptied.
// The upgrade works pages out on other cores; the view, ws.prompt and every
// file write stay on the calling thread.
SiteSummary RunSiteOperation(Workspace& ws, int code, SiteOperationView& view, const SiteRunOptions& options = {});

}  // namespace wk
