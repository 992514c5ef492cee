#pragma once
// What the site-wide commands share: running an operation with the progress
// on standard error, and saying why one stopped.
#include <string>

#include "app/site_operation.h"
#include "cli/cli.h"

namespace wk::cli {

SiteSummary RunOnSite(Context& c, int code, const SiteRunOptions& options = {});

// The reason names the file; the backup, when one was made, stays. Exit status 1.
int Stopped(Context& c, const std::string& command, const SiteSummary& summary);

}  // namespace wk::cli
