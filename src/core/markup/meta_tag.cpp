#include <optional>

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string MetaTagStart(std::string_view name) { return "<meta name=\"" + std::string(name) + "\" content="; }

// Where a matching tag's value lies. A properly double-quoted value lies
// between its quotes. A value without its closing quote (the next double quote
// belongs to other mark-up), a single-quoted or an unquoted value ends at the
// tag's ">"; such a value is rewritten with double quotes, so the tag comes
// out whole.
struct MetaValue {
    std::size_t valueStart;  // first character of the value
    std::size_t valueEnd;    // one past the value
    std::size_t rawStart;    // the value with its own quotes, if any
    std::size_t rawEnd;
    bool wellQuoted;
};

// Whether the quote at close ends the value opened at open: it does unless
// the value would take in the start of other mark-up ("<") and the quote is
// not followed by the tag's end.
bool ClosesValue(std::string_view page, std::size_t open, std::size_t close) {
    if (page.substr(open, close - open).find('<') == std::string_view::npos) return true;
    const std::size_t after = page.find_first_not_of(" /", close + 1);
    return after != std::string_view::npos && page[after] == '>';
}

// The value of the tag whose start ends just before open.
std::optional<MetaValue> MetaValueAt(std::string_view page, std::size_t open) {
    if (open >= page.size()) return std::nullopt;
    // The tag's end; a "<" before it means the tag itself is broken.
    std::size_t tagEnd = page.find('>', open);
    if (page.substr(open + 1, tagEnd == std::string_view::npos ? tagEnd : tagEnd - open - 1).find('<') !=
        std::string_view::npos)
        tagEnd = std::string_view::npos;
    const char quote = page[open];
    if (quote == '"' || quote == '\'') {
        const std::size_t close = page.find(quote, open + 1);
        if (close != std::string_view::npos && ClosesValue(page, open, close))
            return MetaValue{open + 1, close, open, close + 1, quote == '"'};
        if (tagEnd == std::string_view::npos) return std::nullopt;
        return MetaValue{open + 1, tagEnd, open, tagEnd, false};
    }
    if (tagEnd == std::string_view::npos) return std::nullopt;
    std::size_t end = open;
    while (end < tagEnd && page[end] != ' ' && page[end] != '\t' && page[end] != '\r' && page[end] != '\n') ++end;
    return MetaValue{open, end, open, end, false};
}

std::optional<MetaValue> FindMetaValue(std::string_view page, std::string_view name) {
    const std::string start = MetaTagStart(name);
    const std::size_t found = FindNoCase(page, start);
    if (found == std::string_view::npos) return std::nullopt;
    return MetaValueAt(page, found + start.size());
}

// A double quote would end the value early, and a "<" would make the value
// look unterminated to the next reading, so both go in as entities.
std::string EscapeValue(std::string_view value) { return ReplaceAll(ReplaceAll(value, "\"", "&quot;"), "<", "&lt;"); }

std::string NewMetaTag(std::string_view name, std::string_view value) {
    return "<meta name=\"" + std::string(name) + "\" content=\"" + EscapeValue(value) + "\">";
}

}  // namespace

std::string ReadMetaContent(std::string_view page, std::string_view name) {
    const auto value = FindMetaValue(page, name);
    if (!value) return {};
    return std::string(page.substr(value->valueStart, value->valueEnd - value->valueStart));
}

void WriteMetaTag(std::string& page, std::string_view name, std::string_view value) {
    // The page is searched for the tag once, whether it is there or not.
    const std::string start = MetaTagStart(name);
    if (const std::size_t tag = FindNoCase(page, start); tag != std::string::npos) {
        // A matching tag that never ends is left alone rather than guessed at or doubled.
        const auto found = MetaValueAt(page, tag + start.size());
        if (!found) return;
        if (found->wellQuoted)
            page.replace(found->valueStart, found->valueEnd - found->valueStart, EscapeValue(value));
        else
            page.replace(found->rawStart, found->rawEnd - found->rawStart, "\"" + EscapeValue(value) + "\"");
        return;
    }
    const std::string tag = std::string(kLineBreak) + NewMetaTag(name, value);
    const std::size_t httpEquiv = FindLastNoCase(page, "<meta http-equiv=");
    if (httpEquiv != std::string::npos) {
        if (const std::size_t end = page.find('>', httpEquiv); end != std::string::npos) {
            page.insert(end + 1, tag);
            return;
        }
    }
    const std::size_t head = FindNoCase(page, "<head>");
    if (head == std::string::npos) return;
    page.replace(head, 6, "<head>" + tag);
}

}  // namespace wk
