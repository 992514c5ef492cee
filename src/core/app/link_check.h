#pragma once
// The link check over the workspace's site: every href and src of every page,
// and every menu link, that leads into the site and names no page.
#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "app/workspace.h"
#include "site/link_targets.h"
#include "site/site_walk.h"

namespace wk {

// Where a link of the menu tree is said to stand, in place of a page.
inline constexpr const char* kMenuLinks = "menu";

struct BrokenLink {
    std::string page;  // its path, or kMenuLinks
    int line = 0;      // in the page; for the menu, the node's number in display order
    std::string link;
    std::string suggestion;  // the link to the nearest page of the same stem; may be empty
};

struct LinkReport {
    std::string error;                     // the site could not be walked: why, naming the folder
    std::size_t pages = 0;                 // pages read
    std::size_t links = 0;                 // links that lead into the site, checked
    std::vector<BrokenLink> broken;        // in the walk's order, the menu's last
    std::vector<std::string> unreadable;   // pages that could not be read, so were not checked
};

// Reads the whole site with the stored boilerplate and filter (a page is a
// file the filter selects or one with a web page's ending). Changes nothing.
LinkReport CheckSiteLinks(Workspace& ws);

// The menu nodes whose link leads into the site and names no page; only the
// folders the links lead to are looked at.
std::set<NodeId> MenuNodesWithoutPage(const Workspace& ws);

// The site's address and files, read once for a pass over its links.
struct LinkSite {
    std::string root;  // ends with the separator
    SiteAddress address;
    SiteFiles files;
};
// Lists every file under the workspace's site root; why it could not, or nothing.
std::string ReadLinkSite(const Workspace& ws, LinkSite& site);
// The page's folder below the site root, as links are resolved from it.
std::string PageFolder(const LinkSite& site, const SiteFile& page);
// Where a menu link ("www.example.com/a.html", the absolute address it
// stands for) leads in the site, as LinkTargetPath says.
std::optional<std::string> MenuLinkTarget(const SiteAddress& address, const std::string& link);
// A menu link judged as the absolute address it stands for.
LinkVerdict JudgeMenuLink(const LinkSite& site, const std::string& link);

}  // namespace wk
