#pragma once
// Commit Changes: writes the menu's style sheet and include file into the
// site's "_" folder and rewrites the current page with the style import, the
// menu include at the anchor tag and its meta tags, saved under its .shtml
// name; the five commit options choose what is done.
#include <string>
#include <vector>

#include "app/workspace.h"

namespace wk {

struct CommitResult {
    bool ok = true;
    std::string writtenPath;          // the page file written; empty when none
    std::vector<std::string> errors;  // each names the file concerned
};

// A failed write is reported through ws.prompt and stops the commit before
// anything is deleted; the page in memory is then left as it was loaded.
CommitResult CommitPage(Workspace& ws);

}  // namespace wk
