#include <ostream>

#include "cli/cli.h"
#include "markup/normalise.h"
#include "app/page.h"
#include "markup/scan.h"
#include "meta/description.h"
#include "meta/keywords.h"
#include "meta/plain_text.h"

namespace wk::cli {
namespace {

// Runs produce on the text of the one page the command names and prints the
// result: a line of text with a line break after it, or a page as it is.
enum class Result { kLine, kPage };

int PrintForPage(Context& c, const std::string& command, std::string (*produce)(const std::string&), Result result) {
    const Arguments args = ParseArguments(c.words, {});
    ExpectPositional(args, 1, 1, command + " PAGE");
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

std::string PlainText(const std::string& page) { return ExtractPlainText(ExtractTagContent(page, "body")); }
std::string Keywords(const std::string& page) { return GenerateKeywords(page); }
std::string DescriptionText(const std::string& page) { return GenerateDescription(page).text; }
std::string Normalised(const std::string& page) { return NormalisePage(page); }

}  // namespace

void RegisterGeneratorCommands(CommandTable& table) {
    table.add("plaintext", "plaintext PAGE", "prints the plain text of the page's body as the generators see it",
              [](Context& c) { return PrintForPage(c, "plaintext", PlainText, Result::kLine); });
    table.add("keywords", "keywords PAGE", "prints the proposed keyword list",
              [](Context& c) { return PrintForPage(c, "keywords", Keywords, Result::kLine); });
    table.add("description", "description PAGE", "prints the proposed description",
              [](Context& c) { return PrintForPage(c, "description", DescriptionText, Result::kLine); });
    table.add("normalise", "normalise PAGE",
              "prints the page after normalisation, with no line break added; the file is not changed",
              [](Context& c) { return PrintForPage(c, "normalise", Normalised, Result::kPage); });
}

}  // namespace wk::cli
