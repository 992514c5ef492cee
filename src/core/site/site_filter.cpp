#include "site/site_filter.h"

#include <algorithm>

namespace wk {

std::string CleanPattern(std::string pattern) {
    for (char end : {'\r', '\n', '\r'})
        if (pattern.ends_with(end)) pattern.pop_back();
    return pattern;
}

namespace {

bool PassesPattern(std::string_view name, std::string_view pattern) {
    // A one-character pattern is a bare wildcard: every name ends with nothing.
    const std::string_view ending = pattern.empty() ? pattern : pattern.substr(1);
    if (name.ends_with(ending)) return true;
    return pattern == "*.*" && std::any_of(kHtmlExtensions.begin(), kHtmlExtensions.end(),
                                           [&](std::string_view html) { return name.ends_with(html); });
}

}  // namespace

bool IsSiteFile(std::string_view name, SitePass pass, std::string_view pattern) {
    if (pass == SitePass::Backup || pass == SitePass::AnalyseSite || pass == SitePass::Restore) return true;
    if (pass == SitePass::RemoveMenus && name.ends_with(".shtml")) return true;
    // A link may lead from any page, whatever the filter selects for a change.
    if (pass == SitePass::Links && PassesPattern(name, "*.*")) return true;
    return PassesPattern(name, pattern);
}

}  // namespace wk
