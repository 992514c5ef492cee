#pragma once
// Commit Changes on the workspace's page: writes the menu's style sheet and
// include file into the site's "_" folder and the committed page under its
// .shtml name, then moves the page there; the five commit options choose what
// is done.
#include <string>
#include <vector>

#include "app/workspace.h"
#include "markup/page_commit.h"

namespace wk {

struct CommitResult {
    bool ok = true;
    std::string writtenPath;          // the page file written; empty when none
    std::vector<std::string> errors;  // each names the file concerned
    bool menuMissing = false;         // the page was saved without the menu: its anchor tag is missing
};

// SiteRoot followed by "_" and the separator; empty when no SiteRoot is set.
std::string MenuFolder(const Workspace& ws);

// What a commit writes besides the page: the options and anchor, the
// boilerplate, the page's proposals and category, the style sheet and capsule.
CommitSettings CommitSettingsOf(const Workspace& ws);

// A failed write is reported through ws.prompt and stops the commit before
// anything is deleted; the page in memory is then left as it was loaded. A
// page saved without its menu, and a commit with no option ticked, are said
// through ws.prompt too.
CommitResult CommitPage(Workspace& ws);

}  // namespace wk
