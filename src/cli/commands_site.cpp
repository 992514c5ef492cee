#include <array>
#include <charconv>
#include <ostream>

#include "app/site_operation.h"
#include "cli/cli.h"
#include "cli/site_command.h"
#include "cli/terminal_progress.h"

namespace wk::cli {

SiteSummary RunOnSite(Context& c, int code, const SiteRunOptions& options) {
    TerminalProgress progress(c.err);
    return RunSiteOperation(c.ws, code, progress, options);
}

int Stopped(Context& c, const std::string& command, const SiteSummary& summary) {
    c.err << "webkestrane: " << command << " stopped: " << summary.error;
    if (!summary.backupFolder.empty()) c.err << "; the backup is in " << summary.backupFolder;
    c.err << "\n";
    return 1;
}

namespace {

std::string Seconds(double seconds) {
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), seconds, std::chars_format::fixed, 1);
    return std::string(text.data(), written.ptr);
}

int AnalyseCommand(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "analyse");
    const SiteSummary summary = RunOnSite(c, kAnalyseSite);
    if (summary.stopped) return Stopped(c, "analyse", summary);
    c.out << "files: " << summary.figures.files << "\nbytes: " << summary.figures.bytes
          << "\nindex: " << IndexText(summary.figures.index) << "\n";
    return 0;
}

int BackupCommand(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "backup");
    const SiteSummary summary = RunOnSite(c, kBackUpSite);
    if (summary.stopped) return Stopped(c, "backup", summary);
    c.out << summary.backupFolder << "\n";
    return 0;
}

// A dry run first lists every page that would change and how; every run
// ends with the counts, the skipped pages and the backup folder.
void PrintSummary(Context& c, const SiteSummary& summary, bool dryRun) {
    if (dryRun)
        for (const PageNote& page : summary.changed) c.out << page.page << '\t' << page.note << "\n";
    // The links an upgrade updated on the user's word come before its own summary, which ends the output.
    if (!summary.linksBackupFolder.empty())
        c.out << "links changed: " << summary.links.size() << "\nlinks backup: " << summary.linksBackupFolder << "\n";
    c.out << "bytes: " << summary.bytes << "\ntime: " << Seconds(summary.seconds) << " s\n"
          << "pages changed: " << summary.changed.size() << "\npages skipped: " << summary.skipped.size() << "\n";
    for (const PageNote& page : summary.skipped) c.out << "skipped: " << page.page << '\t' << page.note << "\n";
    if (!summary.backupFolder.empty()) c.out << summary.backupFolder << "\n";
}

int ChangeSite(Context& c, const std::string& command, int code, const Arguments& args) {
    const SiteRunOptions options{args.has("--dry-run"), {}};
    if (code == kRemoveAllMenus && !options.dryRun && !ConfirmMenuRemoval(c.ws)) {
        c.err << "remove-menus: no menu was removed (answer Yes with --yes)\n";
        return 1;
    }
    const SiteSummary summary = RunOnSite(c, code, options);
    PrintSummary(c, summary, options.dryRun);
    return summary.stopped ? Stopped(c, command, summary) : 0;
}

int UpgradeCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {"--category"}, {"--dry-run"});
    ExpectPositional(args, 0, 0, "upgrade [--dry-run] [--category TEXT]");
    if (args.has("--category")) c.prompt.inputsByTitle["Empty Category"] = args.get("--category");
    return ChangeSite(c, "upgrade", kUpgradeSite, args);
}

int RemoveMenusCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {}, {"--dry-run"});
    ExpectPositional(args, 0, 0, "remove-menus [--dry-run]");
    return ChangeSite(c, "remove-menus", kRemoveAllMenus, args);
}

}  // namespace

void RegisterSiteCommands(CommandTable& table) {
    table.add("analyse", "analyse", "prints the site's file count, bytes and site task index", AnalyseCommand);
    table.add("backup", "backup", "backs up the whole site beside it; prints the backup folder", BackupCommand);
    table.add("upgrade", "upgrade [--dry-run] [--category TEXT]",
              "backs up the site, then commits every page the filter selects; --dry-run lists what would change",
              UpgradeCommand);
    table.add("remove-menus", "remove-menus [--dry-run]",
              "backs up the site, then removes the menu from every page (asks first, see --yes)",
              RemoveMenusCommand);
}

}  // namespace wk::cli
