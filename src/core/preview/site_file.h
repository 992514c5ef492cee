#pragma once
// The files a page names by reference, always taken from the site root, as
// the web server takes them from its document root.
#include <string>
#include <string_view>

namespace wk {

struct SiteFile {
    std::string path;  // empty when the reference was refused
    std::string text;  // empty when refused or missing
    bool refused() const { return path.empty(); }
};

// The file ref names below the site root: a "/" at the join counts once. A
// reference that would lead out of the root, or to a link that does (or any
// reference, while no root is set) is refused, so a page can never make the
// preview read elsewhere.
SiteFile ResolveInclude(const std::string& siteRoot, std::string_view ref);

// The same for a style import, whose "../" steps are dropped first: every
// import names a file from the root, whatever folder the page is in.
SiteFile ResolveStyleImport(const std::string& siteRoot, std::string_view ref);

}  // namespace wk
