#pragma once
// Where a link leads and whether a file of the site is there: links inside
// the site (relative, root-relative, or absolute on the site's own host) are
// judged against the site's files; others are never fetched.
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "site/site_links.h"

namespace wk {

// The site's own place on the web, read from the boilerplate's site URL
// ("www.example.com", or "www.example.com/~ann" for a site below the root).
struct SiteAddress {
    std::string host;  // lower case, without "www."
    std::string path;  // the site folder on the host: "" or "/~ann"
};
SiteAddress SiteAddressOf(std::string_view siteUrl);

// The files of the site by their paths below the site root, "/" between
// folders: "library/os.html".
class SiteFiles {
public:
    void add(std::string path) { files_.insert(std::move(path)); }
    bool hasFile(const std::string& path) const { return files_.count(path) > 0; }
    // A page at path, or a folder there that holds an index page (what a web
    // server answers for it). An empty path, or one ending with "/", names a folder.
    bool hasPage(const std::string& path) const;

    // The first page, by name, in folder (a site path, "" or ending with "/")
    // whose name is stem, a ".", and more, ending as a web page does.
    std::optional<std::string> pageOfStem(const std::string& folder, const std::string& stem) const;

private:
    std::set<std::string> files_;
};

// The site path a link on the page in pageFolder (a site path, "" or ending
// with "/") leads to: query and fragment dropped, percent escapes decoded,
// "." and ".." steps taken (never above the host's root, as a browser does).
// Nothing for a link that leaves the site (another host or scheme, or above
// the site's folder on its host) or stays on its page ("", "#top", "?q=1").
std::optional<std::string> LinkTargetPath(std::string_view link, std::string_view pageFolder,
                                          const SiteAddress& site);

struct LinkVerdict {
    bool inside = false;      // the link leads into the site, so it was checked
    bool broken = false;      // it names no page of the site
    std::string suggestion;   // then: the link to the nearest page of the same stem, or empty
    bool renamed = false;     // the suggestion is the page's .shtml name, which a commit gives it
};

// Judges a link as it stands in a page (surrounding blanks kept): a broken
// link's suggestion keeps everything but the file name, so its scheme, host,
// folders, query, fragment and blanks stay as written.
LinkVerdict JudgeLink(std::string_view link, std::string_view pageFolder, const SiteAddress& site,
                      const SiteFiles& files);

// Every link of a page that leads into the site, with its verdict.
struct JudgedLink {
    PageLink link;
    LinkVerdict verdict;
};
std::vector<JudgedLink> JudgePageLinks(std::string_view page, std::string_view pageFolder, const SiteAddress& site,
                                       const SiteFiles& files);

// The page with the value of every link to a renamed page replaced by its
// suggestion, and every other byte as it was.
std::string WithRenamedLinks(std::string_view page, const std::vector<JudgedLink>& links);

}  // namespace wk
