#include "preview/preview_build.h"

#include <algorithm>

#include "preview/directives.h"
#include "preview/site_file.h"
#include "preview/site_sources.h"

namespace wk {
namespace {

// Far more than any page holds, yet they stop files that each include the
// next twice from multiplying the work, or the page, beyond measure.
constexpr std::size_t kMostIncludes = 10000;
constexpr std::size_t kMostBytes = 256u << 20;

struct Expansion {
    const PreviewSite& site;
    std::vector<std::string> notes;
    std::vector<std::string> including;  // the files whose includes are being expanded, outermost first
    std::size_t expanded = 0;

    void refused(const std::string& ref) {
        notes.push_back("The reference \"" + ref + "\" leads out of the site folder " + site.root +
                        ", so it was left out.");
    }
    // Expansion stops at the include at, with why: the rest of text follows as it was.
    bool stop(std::string_view text, std::size_t at, std::string& out, std::string why) {
        notes.push_back(std::move(why) + ", so the preview stops there.");
        out.append(text.substr(at));
        return false;
    }

    // Appends text to out with its includes replaced from left to right,
    // building the page once rather than moving its tail at every include;
    // false when expansion stopped.
    bool includes(std::string_view text, std::string& out) {
        std::size_t from = 0;
        for (Directive include; (include = FindInclude(text, from)).found();) {
            out.append(text.substr(from, include.begin - from));
            if (!include.whole())
                return stop(text, include.begin, out, "An include directive has no <!--/#include--> after it");
            if (++expanded > kMostIncludes)
                return stop(text, include.begin, out,
                            "The page holds more than " + std::to_string(kMostIncludes) + " includes");
            const SiteFile file = ResolveInclude(site.root, include.ref);
            if (file.refused()) {
                refused(include.ref);
            } else if (std::find(including.begin(), including.end(), file.path) != including.end()) {
                return stop(text, include.begin, out, file.path + " includes itself");
            } else if (out.size() + file.text.size() > kMostBytes) {
                return stop(text, include.begin, out,
                            "The page would grow past " + std::to_string(kMostBytes >> 20) + " MB");
            } else {
                including.push_back(file.path);
                const bool whole = includes(file.text, out);
                including.pop_back();
                if (!whole) {
                    out.append(text.substr(include.end));
                    return false;
                }
            }
            from = include.end;
        }
        out.append(text.substr(from));
        return true;
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
    std::string expanded;
    expansion.includes(text, expanded);
    return {RewriteSiteSources(expanded, site.address, site.root), std::move(expansion.notes)};
}

}  // namespace wk
