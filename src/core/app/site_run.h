#pragma once
// One site operation in progress, shared by its passes.
#include <chrono>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/site_operation.h"
#include "site/site_walk.h"

namespace wk {

struct SiteRun {
    SiteRun(Workspace& workspace, SiteOperationView& shown, const SiteRunOptions& chosen)
        : ws(workspace), view(shown), options(chosen) {}

    Workspace& ws;
    SiteOperationView& view;
    SiteRunOptions options;
    std::string root;     // the site root, ending with the separator
    std::string pattern;  // the cleaned filter
    std::string stamp;    // the backup stamp of the start
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    // Where the time remaining is measured from: the start, and again when
    // the counters restart for the pages, so the backup's time does not
    // count as the pages' own.
    std::chrono::steady_clock::time_point measuredFrom = start;
    // The bytes and files the current pass has handled, and the figures of
    // the analysis before it, whose index the progress is measured against.
    std::uint64_t processedBytes = 0;
    std::uint64_t processedFiles = 0;
    SiteFigures figures;
    SiteSummary summary;

    static double SecondsSince(std::chrono::steady_clock::time_point then) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - then).count();
    }
    void count(const SiteFile& file) {
        processedBytes += file.size;
        ++processedFiles;
    }
    void showBar(SitePass pass) {
        const double fraction = ProgressFraction(processedBytes, processedFiles, figures.index);
        view.showBar(PassProgressBar(pass, fraction, SecondsSince(measuredFrom)));
    }
    void changed(const SiteFile& file, std::string how) { summary.changed.push_back({file.path(), std::move(how)}); }
    void skipped(const SiteFile& file, std::string why) { summary.skipped.push_back({file.path(), std::move(why)}); }
};

// One pass of an operation: why the operation must stop, or nothing.
using SiteStep = std::string (*)(SiteRun&);
// Runs the steps in order until one stops; what it said.
std::string RunSteps(SiteRun& run, std::initializer_list<SiteStep> steps);

// The passes the operations share (site_operation.cpp).
// Count the files of the site, or the pages whose links are read, into the
// figures, showing them after each.
std::string AnalyseSite(SiteRun& run);
std::string AnalyseLinkPages(SiteRun& run);
// The same for files a pass has listed already, as the reference of its progress.
void AnalyseListed(SiteRun& run, const std::vector<SiteFile>& files);
// Backs every file of the site up into a fresh folder beside it, named in
// backupFolder, or in the summary.
std::string BackUpInto(SiteRun& run, std::string& backupFolder);
std::string BackUpSite(SiteRun& run);
// Restarts the counters, so the next analysis is what the next pass is measured against.
std::string ClearFigures(SiteRun& run);

// The backup, the menu folder's files deleted, then the include and the
// style import taken out of every page.
std::string RemoveAllMenus(SiteRun& run);
// The backup, then every selected page committed as the Commit button does.
std::string UpgradeSite(SiteRun& run);
// After an upgrade: asks whether to update the links to the pages it
// renamed, when there are any, and does so after a backup of its own.
std::string OfferLinkUpdate(SiteRun& run);
// The backup before a link update, made only when a link will change.
std::string BackUpForLinks(SiteRun& run);
// Every link to a page a commit renamed, in the pages and the menu, rewritten.
std::string RelinkPages(SiteRun& run);
// Stops a restore before anything is done unless run.options.backup names a
// backup of the site (only one could be restored without emptying it), and
// makes it that backup's folder.
std::string FindRestoreSource(SiteRun& run);
// The site folder made identical to the backup in run.options.backup.
std::string RestoreFiles(SiteRun& run);

}  // namespace wk
