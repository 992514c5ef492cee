#pragma once
// One site operation in progress, shared by its passes.
#include <chrono>
#include <string>

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

// The Upgrade pass: every selected page committed as the Commit button does.
std::string UpgradePages(SiteRun& run);

}  // namespace wk
