#pragma once
// Pictures and scripts a page loads from its own site's address, turned into
// files of the local site so that the preview shows them from disk.
#include <string>
#include <string_view>

namespace wk {

// The file address of a local folder (ending with "/").
std::string FileAddressOfFolder(const std::string& folder);

// Every src="http://ADDRESS (letter case ignored) becomes src="file://...
// of the site root, where that address is served from; href attributes and
// other sites stay. With an empty address every src="http:// is rewritten.
std::string RewriteSiteSources(std::string_view page, std::string_view siteAddress, const std::string& siteRoot);

}  // namespace wk
