#include "app/link_check.h"

#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "site/site_filter.h"

namespace wk {
namespace {

std::string SiteRootOf(const Workspace& ws) { return NormaliseFolder(TrimSpaces(ws.status.siteRoot)); }

// Lists the site folder's files below folder (a site path, "" or ending with "/").
void AddFilesOf(LinkSite& site, const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::string error;
    if (!ActiveFileSystem().list(site.root + folder, entries, error)) return;
    for (const FolderEntry& entry : entries)
        if (entry.kind == FolderEntry::Kind::File) site.files.add(folder + entry.name);
}

// Menu links are written without their scheme.
std::string AddressOfMenuLink(const std::string& link) {
    return link.find("://") == std::string::npos ? "//" + link : link;
}

}  // namespace

std::string ReadLinkSite(const Workspace& ws, LinkSite& site) {
    site.root = SiteRootOf(ws);
    site.address = SiteAddressOf(ws.status.siteUrl);
    if (site.root.empty()) return "No local site folder is set in the boilerplate";
    return WalkSiteFolder(site.root, SitePass::Backup, {}, [&](const SiteFile& file) {
        site.files.add(PageFolder(site, file) + file.name);
        return std::string{};
    });
}

std::string PageFolder(const LinkSite& site, const SiteFile& page) { return page.folder.substr(site.root.size()); }

LinkVerdict JudgeMenuLink(const LinkSite& site, const std::string& link) {
    const std::string address = AddressOfMenuLink(link);
    LinkVerdict verdict = JudgeLink(address, {}, site.address, site.files);
    if (address != link && !verdict.suggestion.empty()) verdict.suggestion.erase(0, 2);
    return verdict;
}

std::optional<std::string> MenuLinkTarget(const SiteAddress& address, const std::string& link) {
    return LinkTargetPath(AddressOfMenuLink(link), {}, address);
}

LinkReport CheckSiteLinks(Workspace& ws) {
    LinkReport report;
    LinkSite site;
    if (report.error = ReadLinkSite(ws, site); !report.error.empty()) return report;
    const std::string pattern = CleanPattern(ws.options.filter);
    report.error = WalkSiteFolder(site.root, SitePass::Links, pattern.empty() ? "*.*" : pattern,
                                  [&](const SiteFile& file) {
        const std::optional<std::string> page = ActiveFileSystem().read(file.path());
        if (!page) {
            report.unreadable.push_back(file.path());
            return std::string{};
        }
        ++report.pages;
        for (const JudgedLink& judged : JudgePageLinks(*page, PageFolder(site, file), site.address, site.files)) {
            ++report.links;
            if (judged.verdict.broken)
                report.broken.push_back({file.path(), judged.link.line, std::string(judged.link.in(*page)),
                                         judged.verdict.suggestion});
        }
        return std::string{};
    });
    int number = 0;
    for (const NodeId id : ws.tree.displayOrder()) {
        const std::string& link = ws.tree.node(id).link;
        const LinkVerdict verdict = JudgeMenuLink(site, link);
        ++number;
        report.links += verdict.inside ? 1 : 0;
        if (verdict.broken) report.broken.push_back({kMenuLinks, number, link, verdict.suggestion});
    }
    return report;
}

std::set<NodeId> MenuNodesWithoutPage(const Workspace& ws) {
    LinkSite site;
    site.root = SiteRootOf(ws);
    site.address = SiteAddressOf(ws.status.siteUrl);
    std::set<NodeId> broken;
    if (site.root.empty()) return broken;
    // The folders the links lead to, and into: enough to judge every link.
    std::set<std::string> folders;
    for (const NodeId id : ws.tree.displayOrder()) {
        const std::optional<std::string> target = MenuLinkTarget(site.address, ws.tree.node(id).link);
        if (!target) continue;
        folders.insert(FolderOfPath(*target));
        if (!target->empty() && !target->ends_with('/')) folders.insert(*target + "/");
    }
    for (const std::string& folder : folders) AddFilesOf(site, folder);
    for (const NodeId id : ws.tree.displayOrder())
        if (JudgeMenuLink(site, ws.tree.node(id).link).broken) broken.insert(id);
    return broken;
}

}  // namespace wk
