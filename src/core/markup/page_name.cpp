#include "markup/page_name.h"

#include "ground/file_routines.h"
#include "ground/text.h"

namespace wk {

std::string ShtmlName(const std::string& fileName) {
    const std::size_t dot = fileName.find('.');
    if (dot == std::string::npos) return fileName + ".shtml";
    return fileName.substr(0, dot + 1) + "shtml";
}

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::string LinkToLocalPath(const std::string& siteAddress, const std::string& siteRoot, const std::string& link) {
    const std::string site = TrimSpaces(siteAddress);
    const std::string root = TrimSpaces(siteRoot);
    std::string local;
    std::size_t from = 0;
    if (!site.empty()) {
        for (std::size_t at; (at = FindNoCase(link, site, from)) != std::string::npos;) {
            local.append(link, from, at - from);
            local += root;
            from = at + site.size();
            // "www.x.com/a.html" under the root "/site/" is "/site/a.html": the
            // root's own separator stands for the link's.
            if (!root.empty() && IsSeparator(root.back()) && from < link.size() && IsSeparator(link[from])) ++from;
        }
    }
    local.append(link, from);
    for (char& c : local)
        if (c == '\\') c = kSeparator;
    return local;
}

}  // namespace wk
