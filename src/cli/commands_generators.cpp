#include <functional>
#include <ostream>

#include "cli/cli.h"
#include "markup/normalise.h"
#include "app/page.h"
#include "meta/plain_text.h"
#include "meta/proposals.h"

namespace wk::cli {
namespace {

// Runs produce on the text of the one page the command names and prints the
// result: a line of text with a line break after it, or a page as it is.
enum class Result { kLine, kPage };

int PrintForPage(Context& c, const Arguments& args, const std::string& usage,
                 const std::function<std::string(const std::string&)>& produce, Result result) {
    ExpectPositional(args, 1, 1, usage);
    const std::string& path = args.positional[0];
    const std::optional<std::string> page = ReadPageFile(path);
    if (!page) {
        c.err << "Page not Found: " << path << " cannot be read\n";
        return 1;
    }
    c.out << produce(*page);
    if (result == Result::kLine) c.out << "\n";
    return 0;
}

int PrintForPage(Context& c, const std::string& command, std::string (*produce)(const std::string&), Result result) {
    return PrintForPage(c, ParseArguments(c.words, {}), command + " PAGE", produce, result);
}

const std::set<std::string> kMethodFlags = {"--improved", "--classic"};

// The stored proposals method, unless a flag overrides it.
ProposalMethod ChosenMethod(const Context& c, const Arguments& args) {
    if (args.has("--improved") && args.has("--classic"))
        throw UsageError("--improved and --classic exclude each other");
    if (args.has("--improved")) return ProposalMethod::Improved;
    if (args.has("--classic")) return ProposalMethod::Classic;
    return c.ws.options.proposals;
}

int PrintProposal(Context& c, const std::string& command,
                  std::string (*propose)(std::string_view, ProposalMethod)) {
    const Arguments args = ParseArguments(c.words, {}, kMethodFlags);
    const ProposalMethod method = ChosenMethod(c, args);
    return PrintForPage(
        c, args, command + " PAGE [--improved|--classic]",
        [&](const std::string& page) { return propose(page, method); }, Result::kLine);
}

// A whole site's proposals at once: one line a page, its path, keywords and
// description separated by tabs (the proposals hold no tabs). A page that
// cannot be read is named on standard error and the others go on.
int PrintProposalsOfPages(Context& c) {
    const Arguments args = ParseArguments(c.words, {}, kMethodFlags);
    ExpectPositional(args, 1, args.positional.size() + 1, "proposals PAGE... [--improved|--classic]");
    const ProposalMethod method = ChosenMethod(c, args);
    int status = 0;
    for (const std::string& path : args.positional) {
        const std::optional<std::string> page = ReadPageFile(path);
        if (!page) {
            c.err << "Page not Found: " << path << " cannot be read\n";
            status = 1;
            continue;
        }
        const Proposals proposals = Propose(*page, method, Candidates::Omitted);
        c.out << path << '\t' << proposals.keywords << '\t' << proposals.description << '\n';
    }
    return status;
}

std::string PlainText(const std::string& page) { return ExtractBodyText(page); }
std::string Normalised(const std::string& page) { return NormalisePage(page); }

}  // namespace

void RegisterGeneratorCommands(CommandTable& table) {
    table.add("plaintext", "plaintext PAGE", "prints the plain text of the page's body as the generators see it",
              [](Context& c) { return PrintForPage(c, "plaintext", PlainText, Result::kLine); });
    table.add("keywords", "keywords PAGE [--improved|--classic]",
              "prints the proposed keyword list (the stored proposals method unless overridden)",
              [](Context& c) { return PrintProposal(c, "keywords", ProposeKeywords); });
    table.add("description", "description PAGE [--improved|--classic]",
              "prints the proposed description (the stored proposals method unless overridden)",
              [](Context& c) { return PrintProposal(c, "description", ProposeDescription); });
    table.add("proposals", "proposals PAGE... [--improved|--classic]",
              "prints each page's path, proposed keywords and description, tab-separated, one line a page",
              PrintProposalsOfPages);
    table.add("normalise", "normalise PAGE",
              "prints the page after normalisation, with no line break added; the file is not changed",
              [](Context& c) { return PrintForPage(c, "normalise", Normalised, Result::kPage); });
}

}  // namespace wk::cli
