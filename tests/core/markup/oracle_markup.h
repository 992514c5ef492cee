#pragma once
// Step-by-step transcriptions of the tag extraction and the page normalisation,
// kept deliberately naive (every loop rescans the page) so the fast routines can
// be compared against them.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ground/text.h"

namespace wk::oracle {

inline constexpr std::size_t npos = std::string::npos;

// Every occurrence, found without regard to case, replaced left to right by
// the replacement as written.
inline std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t hit; (hit = FindNoCase(text, from, start)) != npos; start = hit + from.size())
        out.append(text.substr(start, hit - start)).append(to);
    out.append(text.substr(start));
    return out;
}

// The text split into characters from left to right: a lead byte followed by
// the continuation bytes it asks for is one UTF-8 character, any other byte a
// character by itself.
inline std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b >= 0xC2 && b <= 0xDF   ? 2
                                   : b >= 0xE0 && b <= 0xEF ? 3
                                   : b >= 0xF0 && b <= 0xF4 ? 4
                                                            : 1;
        bool whole = i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        const std::size_t taken = whole ? length : 1;
        characters.emplace_back(text.substr(i, taken));
        i += taken;
    }
    return characters;
}

inline bool IsNoBreakSpace(const std::string& character) { return character == "\xA0" || character == "\xC2\xA0"; }

// The byte position of the first no-break space character starting at or after from.
inline std::size_t FindNoBreakSpace(std::string_view text, std::size_t from = 0) {
    std::size_t at = 0;
    for (const std::string& character : Characters(text)) {
        if (at >= from && IsNoBreakSpace(character)) return at;
        at += character.size();
    }
    return npos;
}

inline std::string ExtractTagContent(std::string_view page, std::string_view tag) {
    const std::string t(tag);
    const std::size_t spaced = FindNoCase(page, "<" + t + " ");
    const std::size_t bare = FindNoCase(page, "<" + t + ">");
    const std::size_t spacedEnd = spaced == npos ? npos : page.find('>', spaced);
    const std::size_t bareEnd = bare == npos ? npos : bare + t.size() + 1;
    const std::size_t end = std::min(bareEnd, spacedEnd);  // the earlier form's, when either is there
    if (end == npos) return {};
    const std::size_t closing = FindNoCase(page, "</" + t + ">", end + 1);
    if (closing == npos) return {};
    return std::string(page.substr(end + 1, closing - end - 1));
}

inline std::string InsertAtAnchor(const std::string& page, std::string anchor, const std::string& block) {
    const char* include = "<!--#include virtual=\"/_/_Tollivance_Web_Kestrane_Menu_System.mnu\"--><!--/#include-->";
    if (FindNoCase(page, include) != npos) return page;
    if (anchor.substr(0, 1) != "<") anchor = "<" + anchor;
    if (anchor.back() != '>' && anchor.find('>') != npos) anchor = anchor.substr(0, anchor.find('>'));
    // Cuts the text at a place found after its first character.
    const auto cut = [](std::string& text, std::size_t at) {
        if (at != npos && at > 0) text = text.substr(0, at);
    };
    std::string prefix = anchor;
    if (prefix.size() > 1 && prefix[1] == '/') prefix.erase(1, 1);
    cut(prefix, prefix.find(' '));
    cut(prefix, FindNoBreakSpace(prefix));
    cut(prefix, prefix.find('>'));
    std::vector<std::string> filters;
    for (const std::string attribute : {"id=", "class="}) {
        const std::size_t at = FindNoCase(anchor, attribute);
        if (at == npos) continue;
        std::string filter = anchor.substr(at);
        cut(filter, filter.find(' ', attribute.size()));
        cut(filter, FindNoBreakSpace(filter, attribute.size()));
        cut(filter, filter.find('>', attribute.size()));
        filters.push_back(filter);
    }
    std::size_t chosen = FindNoCase(page, prefix);
    if (chosen == npos) return page;
    if (!filters.empty()) {
        for (; chosen != npos; chosen = FindNoCase(page, prefix, chosen + 1)) {
            const std::size_t gt = page.find('>', chosen);
            const std::string tagText = page.substr(chosen, gt == npos ? npos : gt - chosen);
            bool all = true;
            for (const std::string& filter : filters) all = all && FindNoCase(tagText, filter) != npos;
            if (all) break;
        }
        if (chosen == npos) return page;
    }
    const std::size_t gt = page.find('>', chosen);
    if (gt == npos) return page;
    std::size_t at = gt + 1;
    if (anchor.size() > 1 && anchor[1] == '/') {
        at = FindNoCase(page, "</" + prefix.substr(1), gt);
        if (at == npos) return page;
    }
    return page.substr(0, at) + block + page.substr(at);
}

inline bool Has(const std::string& page, std::string_view text) { return FindNoCase(page, text) != npos; }

inline void ReplaceFirstExact(std::string& page, std::string_view from, std::string_view to) {
    const std::size_t at = page.find(from);
    if (at != npos) page.replace(at, from.size(), to);
}

inline std::string NormalisePage(std::string page) {
    const std::pair<std::string_view, std::string_view> cleanups[] = {
        {"<style type ", "<style type"}, {"text/css ", "text/css"}, {" text/css", "text/css"}, {" >", ">"},
        {"< ", "<"}};
    for (const auto& [search, replacement] : cleanups)
        while (FindNoCase(ExtractTagContent(page, "head"), search) != npos)
            page = ReplaceAllNoCase(page, search, replacement);

    if (!Has(page, "<html")) {
        const std::size_t doctype = FindNoCase(page, "<!DOCTYPE");
        const std::size_t gt = doctype == npos ? npos : page.find('>', doctype);
        if (doctype != npos && gt != npos)
            page.insert(gt + 1, "<html>");
        else
            page.insert(0, "<html>");
    }

    if (!Has(page, "</head>")) {
        const std::size_t s = FindNoCase(page, "</style>"), t = FindNoCase(page, "</title>"),
                          m = FindLastNoCase(page, "<meta");
        const long long sp = s == npos ? 0 : static_cast<long long>(s) + 1;
        const long long tp = t == npos ? 0 : static_cast<long long>(t) + 1;
        const long long mp = m == npos ? 0 : static_cast<long long>(m) + 1;
        if (sp > tp && sp > mp)
            page.replace(s, 8, "</style></head>");
        else if (tp > sp && tp > mp)
            page.replace(t, 8, "</title></head>");
        else if (mp > sp && mp > tp) {
            const std::size_t gt = page.find('>', m);
            if (gt != npos) page.insert(gt + 1, "</head>");
        } else if (!Has(page, "<head")) {
            const std::size_t html = FindNoCase(page, "<html>");
            if (html != npos) page.replace(html, 6, "<html><head></head>");
        }
    }

    if (!Has(page, "<head")) ReplaceFirstExact(page, "<html>", "<html><head>");
    if (!Has(page, "<body")) ReplaceFirstExact(page, "</head>", "</head><body>");
    if (!Has(page, "</html>")) page += "</html>";
    if (!Has(page, "</body>")) ReplaceFirstExact(page, "</html>", "</body></html>");
    return page;
}

}  // namespace wk::oracle
