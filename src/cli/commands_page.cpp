#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "app/commit.h"
#include "app/page.h"
#include "app/preview.h"

namespace wk::cli {
namespace {

// The page box always holds a full path; a relative PAGE is taken from the
// current folder.
std::string FullPath(const std::string& page) {
    return std::filesystem::absolute(std::filesystem::path(page)).lexically_normal().string();
}

int CommitCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {"--category", "--description"});
    ExpectPositional(args, 0, 1, "commit [PAGE] [--category TEXT] [--description TEXT]");
    if (args.has("--category")) c.prompt.inputsByTitle["Empty Category"] = args.get("--category");
    const std::string page = args.positional.empty() ? std::string{} : FullPath(args.positional[0]);
    LoadPage(c.ws, page);
    if (args.has("--description")) c.ws.page.description = args.get("--description");

    const CommitResult result = CommitPage(c.ws);
    if (!result.writtenPath.empty()) {
        c.out << result.writtenPath << "\n";
    } else if (result.ok && c.ws.options.commit[kOptMenu]) {
        // No page named: the menu's two files are what was written.
        c.out << MenuFolder(c.ws) << kStyleSheetFile << "\n" << MenuFolder(c.ws) << kIncludeFile << "\n";
    }
    if (result.declined) {
        c.err << "commit: " << result.errors.front() << " (answer Yes with --yes)\n";
        return 1;
    }
    if (!result.ok) {
        // The messages above name the file that failed; this names the page.
        c.err << "webkestrane: commit" << (page.empty() ? std::string{} : " of " + page) << " failed\n";
        return 1;
    }
    // Said above: the page was saved, but its menu is missing.
    if (result.menuMissing) return 1;
    return c.ws.notices.empty() ? 0 : 1;
}

int PreviewCommand(Context& c) {
    const Arguments args = ParseArguments(c.words, {"--out"});
    ExpectPositional(args, 1, 1, "preview PAGE [--out FILE]");
    const std::string out = args.has("--out") ? FullPath(args.get("--out")) : std::string{};
    const PreviewResult result = PreviewPage(c.ws, FullPath(args.positional[0]), out);
    if (!result.ok) return 1;
    c.out << result.file << "\n";
    return 0;
}

}  // namespace

void RegisterPageCommands(CommandTable& table) {
    table.add("commit", "commit [PAGE] [--category TEXT] [--description TEXT]",
              "loads PAGE and commits it with the stored options, anchor and boilerplate; prints the path written",
              CommitCommand);
    table.add("preview", "preview PAGE [--out FILE]",
              "builds the server-emulated copy of PAGE (Temporary.shtml beside it, or FILE) and prints its path; "
              "opens no browser",
              PreviewCommand);
}

}  // namespace wk::cli
