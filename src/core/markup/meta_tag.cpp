#include <algorithm>
#include <optional>

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kMeta = "<meta";  // how every tag the writer looks for begins
constexpr std::string_view kHttpEquiv = "<meta http-equiv=";


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

MetaTagWriter::MetaTagWriter(std::string& page) : page_(page) {}

void MetaTagWriter::write(std::string_view name, std::string_view value) {
    if (!indexed_) {
        add(0, page_.size());
        indexed_ = true;
    }
    const std::string start = MetaTagStart(name);
    if (const std::size_t tag = first(start); tag != std::string::npos) {
        // A matching tag that never ends is left alone rather than guessed at or doubled.
        const auto found = MetaValueAt(page_, tag + start.size());
        if (!found) return;
        if (found->wellQuoted)
            replace(found->valueStart, found->valueEnd - found->valueStart, EscapeValue(value));
        else
            replace(found->rawStart, found->rawEnd - found->rawStart, "\"" + EscapeValue(value) + "\"");
        return;
    }
    const std::string tag = std::string(kLineBreak) + NewMetaTag(name, value);
    if (const std::size_t httpEquiv = last(kHttpEquiv); httpEquiv != std::string::npos) {
        if (const std::size_t end = page_.find('>', httpEquiv); end != std::string::npos) {
            replace(end + 1, 0, tag);
            return;
        }
    }
    const std::size_t head = FindNoCase(page_, "<head>");
    if (head == std::string::npos) return;
    replace(head, 6, "<head>" + tag);
}

std::size_t MetaTagWriter::first(std::string_view start) const {
    const auto begins = [&](std::size_t at) { return StartsWithNoCase(std::string_view(page_).substr(at), start); };
    const auto found = std::find_if(metas_.begin(), metas_.end(), begins);
    return found == metas_.end() ? std::string::npos : *found;
}

std::size_t MetaTagWriter::last(std::string_view start) const {
    const auto begins = [&](std::size_t at) { return StartsWithNoCase(std::string_view(page_).substr(at), start); };
    const auto found = std::find_if(metas_.rbegin(), metas_.rend(), begins);
    return found == metas_.rend() ? std::string::npos : *found;
}

void MetaTagWriter::replace(std::size_t at, std::size_t length, std::string_view text) {
    page_.replace(at, length, text);
    // A "<meta" begun up to four bytes before the edit may have changed, so
    // those from there to the edit's end are found again; the later ones move
    // with the text behind the edit.
    const std::size_t from = at < kMeta.size() - 1 ? 0 : at - (kMeta.size() - 1);
    const auto touched = std::lower_bound(metas_.begin(), metas_.end(), from);
    const auto behind = std::lower_bound(touched, metas_.end(), at + length);
    for (auto moved = behind; moved != metas_.end(); ++moved) *moved = *moved - length + text.size();
    metas_.erase(touched, behind);
    add(from, at + text.size());
}

void MetaTagWriter::add(std::size_t from, std::size_t to) {
    const std::string_view page = std::string_view(page_).substr(0, to + kMeta.size() - 1);
    auto place = std::lower_bound(metas_.begin(), metas_.end(), from);
    for (std::size_t at = FindNoCase(page, kMeta, from); at != std::string_view::npos;
         at = FindNoCase(page, kMeta, at + 1))
        place = metas_.insert(place, at) + 1;
}

void WriteMetaTag(std::string& page, std::string_view name, std::string_view value) {
    MetaTagWriter(page).write(name, value);
}

}  // namespace wk
