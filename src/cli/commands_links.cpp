// The commands on the links between the site's pages, and the way back from
// a backup: check-links, relink and restore.
#include <ostream>
#include <set>

#include "app/link_check.h"
#include "app/restore.h"
#include "cli/cli.h"
#include "cli/json_text.h"
#include "cli/site_command.h"

namespace wk::cli {
namespace {

void PrintLinksAsText(Context& c, const LinkReport& report) {
    for (const BrokenLink& broken : report.broken)
        c.out << broken.page << ':' << broken.line << '\t' << broken.link << '\t' << broken.suggestion << '\n';
    c.out << "pages: " << report.pages << "\nlinks: " << report.links << "\nbroken: " << report.broken.size() << '\n';
}

void PrintLinksAsJson(Context& c, const LinkReport& report) {
    c.out << "{\"pages\": " << report.pages << ", \"links\": " << report.links
          << ", \"broken\": " << report.broken.size() << ",\n \"broken_links\": [";
    const char* between = "\n  ";
    for (const BrokenLink& broken : report.broken) {
        c.out << between << "{\"page\": " << JsonString(broken.page) << ", \"line\": " << broken.line
              << ", \"link\": " << JsonString(broken.link) << ", \"suggestion\": " << JsonString(broken.suggestion)
              << "}";
        between = ",\n  ";
    }
    c.out << "],\n \"unreadable\": [";
    between = "";
    for (const std::string& page : report.unreadable) {
        c.out << between << JsonString(page);
        between = ", ";
    }
    c.out << "]}\n";
}

int CheckLinksCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {"--format"});
    ExpectPositional(args, 0, 0, "check-links [--format json]");
    const std::string format = args.get("--format", "text");
    if (format != "text" && format != "json") throw UsageError("--format takes text or json, not " + format);
    const LinkReport report = CheckSiteLinks(c.ws);
    if (!report.error.empty()) {
        c.err << "webkestrane: check-links stopped: " << report.error << "\n";
        return 1;
    }
    if (format == "json") PrintLinksAsJson(c, report);
    else PrintLinksAsText(c, report);
    // A page not read is a page not checked.
    for (const std::string& page : report.unreadable) c.err << "check-links: " << page << " cannot be read\n";
    return report.broken.empty() && report.unreadable.empty() ? 0 : 1;
}

void PrintLinkChange(Context& c, const LinkChange& link) {
    c.out << link.page << ':' << link.line << '\t' << link.from << '\t' << link.to << '\n';
}

int RelinkCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {}, {"--dry-run"});
    ExpectPositional(args, 0, 0, "relink [--dry-run]");
    const SiteSummary summary = RunOnSite(c, kRelinkSite, {args.has("--dry-run"), {}});
    std::set<std::string> pages;
    for (const LinkChange& link : summary.links) {
        PrintLinkChange(c, link);
        if (link.page != kMenuLinks) pages.insert(link.page);
    }
    c.out << "pages changed: " << pages.size() << "\nlinks changed: " << summary.links.size() << '\n';
    for (const PageNote& page : summary.skipped) c.out << "skipped: " << page.page << '\t' << page.note << '\n';
    if (!summary.backupFolder.empty()) c.out << summary.backupFolder << '\n';
    return summary.stopped ? Stopped(c, "relink", summary) : 0;
}

int RestoreCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {}, {"--dry-run"});
    ExpectPositional(args, 0, 1, "restore [BACKUP] [--dry-run]");
    if (args.positional.empty()) {
        for (const SiteBackup& backup : SiteBackups(c.ws)) c.out << backup.name << '\t' << backup.when << '\n';
        return 0;
    }
    const std::string& named = args.positional[0];
    if (!FindSiteBackup(c.ws, named)) {
        c.err << "restore: " << named << " is not a backup of the site " << c.ws.status.siteRoot
              << " (webkestrane restore lists them); nothing was changed\n";
        return 1;
    }
    const bool dryRun = args.has("--dry-run");
    const SiteSummary summary = RunOnSite(c, kRestoreSite, {dryRun, named});
    // The menu links that followed the pages back.
    for (const LinkChange& link : summary.links) PrintLinkChange(c, link);
    std::size_t removed = 0;
    for (const PageNote& file : summary.changed) {
        if (dryRun) c.out << file.page << '\t' << file.note << '\n';
        removed += file.note == kRemovedNote ? 1 : 0;
    }
    c.out << "files put back: " << summary.changed.size() - removed << "\nfiles removed: " << removed << '\n';
    if (!summary.backupFolder.empty()) c.out << summary.backupFolder << '\n';
    return summary.stopped ? Stopped(c, "restore", summary) : 0;
}

}  // namespace

void RegisterLinkCommands(CommandTable& table) {
    table.add("check-links", "check-links [--format json]",
              "checks every link inside the site's pages and the menu; prints each broken one, PAGE:LINE, link "
              "and suggestion, then the counts; exit 1 when a link is broken",
              CheckLinksCommand);
    table.add("relink", "relink [--dry-run]",
              "backs up the site, then rewrites the links to pages a commit renamed to .shtml; prints each",
              RelinkCommand);
    table.add("restore", "restore [BACKUP] [--dry-run]",
              "lists the backups beside the site, newest first; with one, backs up the site, then makes it "
              "identical to that backup",
              RestoreCommand);
}

}  // namespace wk::cli
