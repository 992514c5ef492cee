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
    bool declined = false;            // the user would not let the page replace another file
};

// SiteRoot followed by "_" and the separator; empty when no SiteRoot is set.
std::string MenuFolder(const Workspace& ws);

// Whether saving the page at pagePath as newPath would replace another file:
// one at newPath that is not the page itself. Two pages may well take one
// .shtml name (x.a.htm and x.b.htm, os.html and os.path.html).
bool ReplacesAnotherFile(const std::string& pagePath, const std::string& newPath);
// Whether the page's old file goes once it is saved as newPath: not when its
// name ends with "shtml", nor when it may be the new file (names that differ
// in letter case alone may be one file on disk).
bool OldFileGoes(const std::string& oldPath, const std::string& newPath);
// The last menu link that led to the page's old file now leads to newName in
// the link's folder; false when none changed. Saves nothing.
bool RelinkMovedPage(Workspace& ws, const std::string& oldPath, const std::string& newName);

// What a commit writes besides the page: the options and anchor, the
// boilerplate, the page's proposals and category, the style sheet and capsule.
CommitSettings CommitSettingsOf(const Workspace& ws);

// A failed write is reported through ws.prompt and stops the commit before
// anything is deleted; the page in memory is then left as it was loaded. A
// page saved without its menu, and a commit with no option ticked, are said
// through ws.prompt too. When the page's .shtml name belongs to another file,
// ws.prompt asks "NAME already exists. Replace it?" before anything is
// written; No writes nothing (declined).
CommitResult CommitPage(Workspace& ws);

}  // namespace wk
