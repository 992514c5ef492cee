#include <optional>
#include <ostream>

#include "app/commands_style.h"
#include "cli/cli.h"
#include "style/designer.h"
#include "style/style_file.h"
#include "style/style_sheet.h"

namespace wk::cli {
namespace {

constexpr const char* kStyleSetUsage =
    "style set ELEMENT [--font NAME] [--size N] [--bold on|off] [--italic on|off] [--back #RRGGBB] [--fore #RRGGBB]";

std::int32_t CssColor(const std::string& word, const std::string& option) {
    const std::optional<std::int32_t> color = ColorFromCssHex(word);
    if (!color) throw UsageError(option + " takes a colour written #RRGGBB, not " + word);
    return *color;
}

int ShowStyle(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "style");
    for (const std::string& line : StyleFileLines(c.ws.style)) c.out << line << "\n";
    return 0;
}

int ShowStyleSheet(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "css");
    c.out << BuildStyleSheet(c.ws.style, c.ws.options.keyboardMenus);
    return 0;
}

// What the designer would silently leave alone, said so the user knows.
void NoteIgnoredOptions(Context& c, const Arguments& args, Element element) {
    if (IsFontElement(element)) return;
    for (const char* option : {"--font", "--size", "--bold", "--italic", "--fore"})
        if (args.has(option))
            c.err << "style set: " << ElementName(element) << " has no font or text colour; " << option
                  << " changes nothing\n";
}

// A font or size the designer's boxes could not hold; the reason when so.
std::optional<std::string> RefusedValue(const Arguments& args) {
    if (args.has("--font") && !NormalisedFontChoice(args.get("--font")))
        return "--font " + args.get("--font") + " is not in the font list (names are matched exactly)";
    if (args.has("--size") && !TypedSize(args.get("--size")))
        return "--size " + args.get("--size") + " is not " + kSizeRange;
    return std::nullopt;
}

int SetStyle(Context& c) {
    const Arguments args = ParseArguments(c.words, {"--font", "--size", "--bold", "--italic", "--back", "--fore"});
    ExpectPositional(args, 1, 1, kStyleSetUsage);
    // Check every value before anything is written.
    const bool bold = args.has("--bold") && OnOff(args.get("--bold"), "--bold");
    const bool italic = args.has("--italic") && OnOff(args.get("--italic"), "--italic");
    const std::int32_t back = args.has("--back") ? CssColor(args.get("--back"), "--back") : 0;
    const std::int32_t fore = args.has("--fore") ? CssColor(args.get("--fore"), "--fore") : 0;
    if (const std::optional<std::string> refused = RefusedValue(args)) {
        c.err << "style set: " << *refused << "; nothing was saved to " << c.ws.appFolder << kStyleFile << "\n";
        return 1;
    }

    SetElementText(c.ws, args.positional[0]);
    const std::optional<Element> element = ElementFromName(args.positional[0]);
    if (!element) {
        CheckElementEntry(c.ws);
        return 1;
    }
    NoteIgnoredOptions(c, args, *element);
    if (args.has("--font")) ApplyFontChoice(c.ws, args.get("--font"));
    if (args.has("--size")) ApplySize(c.ws, args.get("--size"));
    if (args.has("--bold")) ApplyBold(c.ws, bold);
    if (args.has("--italic")) ApplyItalic(c.ws, italic);
    if (args.has("--back")) {
        TogglePalette(c.ws, ColorBox::Background);
        PickColor(c.ws, back);
    }
    if (args.has("--fore")) {
        TogglePalette(c.ws, ColorBox::Text);
        PickColor(c.ws, fore);
    }
    // The command always ends with the file written, even when no option changed a value.
    SaveStyle(c.ws);
    // The designer's note on hard-to-read colours: pointed out, never refused.
    if (!c.ws.designer.contrastNote.empty()) c.err << c.ws.designer.contrastNote << "\n";
    return c.ws.notices.empty() ? 0 : 1;
}

}  // namespace

void RegisterStyleCommands(CommandTable& table) {
    table.add("style", "style", "prints the menu style as menu.ufm holds it (25 lines)", ShowStyle);
    table.add("style set", kStyleSetUsage, "changes one element with the style designer's rules, then saves",
              SetStyle);
    table.add("css", "css", "prints the style sheet (0.css) for the stored style, with no line break added",
              ShowStyleSheet);
}

}  // namespace wk::cli
