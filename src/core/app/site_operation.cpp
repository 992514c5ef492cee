#include "app/site_operation.h"

#include <vector>

#include "app/site_run.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "site/backup.h"
#include "site/leftovers.h"
#include "site/site_lock.h"

namespace wk {

namespace {

std::string AnalyseFiles(SiteRun& run, SitePass selecting) {
    return WalkSiteFolder(run.root, selecting, run.pattern, [&](const SiteFile& file) {
        CountFile(run.figures, file.size);
        run.view.showFigures(run.figures);
        return std::string{};
    });
}

std::string AnalyseMarkup(SiteRun& run) { return AnalyseFiles(run, SitePass::AnalyseMarkup); }

}  // namespace

void AnalyseListed(SiteRun& run, const std::vector<SiteFile>& files) {
    for (const SiteFile& file : files) {
        CountFile(run.figures, file.size);
        run.view.showFigures(run.figures);
    }
}

std::string RunSteps(SiteRun& run, std::initializer_list<SiteStep> steps) {
    std::string stop;
    for (const SiteStep step : steps)
        if (stop.empty()) stop = step(run);
    return stop;
}

std::string AnalyseSite(SiteRun& run) { return AnalyseFiles(run, SitePass::AnalyseSite); }
std::string AnalyseLinkPages(SiteRun& run) { return AnalyseFiles(run, SitePass::Links); }

std::string BackUpInto(SiteRun& run, std::string& backupFolder) {
    if (run.options.dryRun) return {};
    FileSystem& fs = ActiveFileSystem();
    const std::string folder = FreshBackupFolder(run.root, run.stamp);
    if (folder.empty()) return "The site folder " + run.root + " has no parent folder to hold its backup";
    // Made under another name, and named a backup only once whole and on the
    // disk: a run killed half-way leaves nothing that passes for a backup.
    const std::string partial = PartialBackupFolder(folder);
    if (!fs.createFolder(partial)) return "Cannot create the backup folder " + partial;
    std::string stop = WalkSiteFolder(run.root, SitePass::Backup, run.pattern, [&](const SiteFile& file) {
        run.count(file);
        std::string error = BackUpFile(file, run.root, partial);
        run.showBar(SitePass::Backup);
        return error;
    });
    const auto bare = [](const std::string& path) { return path.substr(0, path.size() - 1); };
    if (stop.empty()) fs.flush({partial}, stop);
    const bool named = stop.empty() && fs.rename(bare(partial), bare(folder), stop);
    if (named) fs.flush({folder}, stop);
    if (!stop.empty()) {
        RemoveBackupFolder(named ? folder : partial);
        return stop + ". No page was changed; the incomplete backup was removed";
    }
    backupFolder = folder;
    return {};
}

std::string BackUpSite(SiteRun& run) { return BackUpInto(run, run.summary.backupFolder); }

// Between the backup and the analysis of the pages, so that analysis is the
// reference of the removal's or upgrade's progress, and its time remaining
// is estimated from the pages' own pace.
std::string ClearFigures(SiteRun& run) {
    run.measuredFrom = std::chrono::steady_clock::now();
    run.processedBytes = run.processedFiles = 0;
    run.figures = {};
    run.view.showFigures(run.figures);
    return {};
}

namespace {

std::string WeighPages(SiteRun& run) {
    return WalkSiteFolder(run.root, SitePass::WeighPages, run.pattern, [&](const SiteFile& file) {
        run.processedBytes += file.size;
        return std::string{};
    });
}

// The operations that change the site, or write beside it, hold its lock.
bool ChangesSite(int code) { return code != kWeighPages && code != kAnalyseSite && code != kAnalyseMarkup; }

const std::vector<SiteStep>& StepsOf(int code) {
    static const std::vector<SiteStep> steps[] = {
        {AnalyseSite, RemoveAllMenus},
        {WeighPages},
        {AnalyseSite, BackUpSite},
        {AnalyseSite, UpgradeSite, OfferLinkUpdate},
        {AnalyseSite},
        {AnalyseMarkup},
        {AnalyseSite, BackUpForLinks, ClearFigures, AnalyseLinkPages, RelinkPages},
        {FindRestoreSource, AnalyseSite, BackUpSite, ClearFigures, RestoreFiles},
    };
    static const std::vector<SiteStep> none;
    return code >= 0 && code < static_cast<int>(std::size(steps)) ? steps[code] : none;
}

}  // namespace

bool ConfirmMenuRemoval(Workspace& ws) {
    return ws.prompt->askYesNo("Delete ALL Menus?",
                               "Are you sure you want to delete all Web Kestrane Menus from your entire web site?");
}

SiteSummary RunSiteOperation(Workspace& ws, int code, SiteOperationView& view, const SiteRunOptions& options) {
    const std::vector<SiteStep>& steps = StepsOf(code);
    if (steps.empty()) return {};
    SiteRun run{ws, view, options};
    run.stamp = BackupStamp(LocalTimeNow());
    run.root = NormaliseFolder(TrimSpaces(ws.status.siteRoot));
    // The stray line break of filter.sgt is cleaned once, for good.
    ws.options.filter = CleanPattern(ws.options.filter);
    if (ws.options.filter.empty()) ws.options.filter = "*.*";
    run.pattern = ws.options.filter;
    std::string stop = run.root.empty() ? "No local site folder is set in the boilerplate" : std::string{};
    // A second program on the same site is refused; what a killed run left
    // behind goes before anything is backed up.
    std::unique_ptr<FileLock> lock;
    if (stop.empty() && ChangesSite(code) && !options.dryRun) {
        std::string caption = OperationCaption(code);
        lock = LockSite(run.root, caption.substr(0, caption.find(" Progress")), stop);
        if (lock) RemoveLeftovers(run.root);
    }
    for (const SiteStep step : steps) {
        if (!stop.empty()) break;
        stop = step(run);
    }
    run.summary.stopped = !stop.empty();
    run.summary.error = stop;
    run.summary.figures = run.figures;
    run.summary.bytes = run.processedBytes;
    run.summary.seconds = SiteRun::SecondsSince(run.start);
    return run.summary;
}

}  // namespace wk
