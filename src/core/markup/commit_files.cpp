#include "markup/commit_files.h"

#include "app/text.h"

namespace wk {

std::string MenuFolder(const Workspace& ws) {
    const std::string root = NormaliseFolder(TrimSpaces(ws.status.siteRoot));
    return root.empty() ? root : root + "_" + kSeparator;
}

WriteOutcome WritePageFile(const std::string& folder, const std::string& name, const std::string& text) {
    // WriteWholeFile ends every file with CR LF; the page's own final line
    // break is taken off so that it stands in its place.
    std::size_t end = text.size();
    if (EndsWith(text, kLineEnd))
        end -= 2;
    else if (EndsWith(text, "\n") || EndsWith(text, "\r"))
        end -= 1;
    return WriteWholeFile(folder, name, text.substr(0, end));
}

}  // namespace wk
