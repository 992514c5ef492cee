#include "preview/site_sources.h"

#include "ground/file_routines.h"
#include "ground/text.h"

namespace wk {

std::string FileAddressOfFolder(const std::string& folder) {
    const std::string path = NormaliseFolder(folder);
    // A path that starts at "/" brings the third slash of file:/// itself.
    return path.starts_with('/') ? "file://" + path : "file:///" + path;
}

std::string RewriteSiteSources(std::string_view page, std::string_view siteAddress, const std::string& siteRoot) {
    const std::string from = "src=\"http://" + std::string(siteAddress);
    const std::string to = "src=\"" + FileAddressOfFolder(siteRoot);
    std::string out;
    out.reserve(page.size());
    std::size_t start = 0;
    for (std::size_t hit; (hit = FindNoCase(page, from, start)) != std::string_view::npos; start = hit + from.size()) {
        out.append(page.substr(start, hit - start));
        out.append(to);
    }
    out.append(page.substr(start));
    return out;
}

}  // namespace wk
