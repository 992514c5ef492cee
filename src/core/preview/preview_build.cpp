#include "preview/preview_build.h"

#include <algorithm>

#include "preview/directives.h"
#include "preview/site_file.h"
#include "preview/site_sources.h"

namespace wk {
namespace {

struct Expansion {
    const PreviewSite& site;
    std::vector<std::string> notes;
    std::vector<std::string> including;  // the files whose includes are being expanded, outermost first

    void refused(const std::string& ref) {
        notes.push_back("The reference \"" + ref + "\" leads out of the site folder " + site.root +
                        ", so it was left out.");
    }

    // Replaces the includes in text from left to right; false when expansion
    // stopped, leaving the rest of text as it was.
    bool includes(std::string& text) {
        for (std::size_t from = 0;;) {
            const Directive include = FindInclude(text, from);
            if (!include.found()) return true;
            if (!include.whole()) {
                notes.push_back("An include directive has no <!--/#include--> after it, so the preview stops there.");
                return false;
            }
            SiteFile file = ResolveInclude(site.root, include.ref);
            bool whole = true;
            if (file.refused()) {
                refused(include.ref);
            } else if (std::find(including.begin(), including.end(), file.path) != including.end()) {
                notes.push_back(file.path + " includes itself, so the preview stops there.");
                return false;
            } else {
                including.push_back(file.path);
                whole = includes(file.text);
                including.pop_back();
            }
            text.replace(include.begin, include.end - include.begin, file.text);
            if (!whole) return false;
            from = include.begin + file.text.size();
        }
    }
};

}  // namespace

PreviewText BuildPreview(std::string_view page, const PreviewSite& site) {
    const Directive import = FindStyleImport(page);
    if (!import.found()) return {std::string(page), {}};
    if (!import.whole())
        return {std::string(page), {"The style import has no closing quote and \";-->\", so the page is shown as it is."}};

    Expansion expansion{site, {}, {}};
    const SiteFile sheet = ResolveStyleImport(site.root, import.ref);
    if (sheet.refused()) expansion.refused(import.ref);
    std::string text(page);
    text.replace(import.begin, import.end - import.begin, sheet.text);
    expansion.includes(text);
    return {RewriteSiteSources(text, site.address, site.root), std::move(expansion.notes)};
}

}  // namespace wk
