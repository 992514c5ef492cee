#pragma once
// Preview web page: the server-emulated copy of a committed page, written
// beside it for the preview window to show.
#include <string>

#include "app/workspace.h"

namespace wk {

struct PreviewResult {
    bool ok = false;
    std::string file;   // the preview written
    std::string title;  // the previewed page's title, for the preview window's caption
};

// Builds the preview of the page at pagePath from the site of the boilerplate
// and writes it as Temporary.shtml beside the page, or as out. A page that
// cannot be read and a preview that cannot be written are said through
// ws.prompt, naming the file; so is what the preview had to leave out.
PreviewResult PreviewPage(Workspace& ws, const std::string& pagePath, const std::string& out = {});

// cmdPreview: the current page when its file exists; else a page chosen in
// the file dialog; empty when the dialog was cancelled.
std::string PageToPreview(Workspace& ws);

}  // namespace wk
