#pragma once
// The preview of a committed page: the page with its style import and
// includes replaced by the files they name, as the web server serves it.
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// Written beside the previewed page, so that the page's own relative
// addresses (pictures, links) work in the preview too.
inline constexpr const char* kPreviewFileName = "Temporary.shtml";

struct PreviewSite {
    std::string root;     // the local site folder, standing for "/" of the web site
    std::string address;  // the site address, trimmed: www.example.com
};

struct PreviewText {
    std::string text;
    // What could not be filled in: a directive without its end, a reference
    // out of the site, a file that includes itself, more includes than any
    // page holds. Expansion stops at each of these but the out-of-site
    // reference; the page is shown as far as built.
    std::vector<std::string> notes;
};

// A page without a style import is shown as it is. Otherwise the style sheet
// takes the import's place inside the style element, every include (also
// those in included files, outermost first) is replaced by the file it names,
// and the site's own sources are rewritten to local files.
PreviewText BuildPreview(std::string_view page, const PreviewSite& site);

}  // namespace wk
