#include "markup/normalise.h"

#include "ground/text.h"
#include "markup/head_spacing.h"

namespace wk {
namespace {

constexpr std::size_t npos = std::string::npos;

bool Contains(const std::string& page, std::string_view text) { return FindNoCase(page, text) != npos; }
// The same for the page's closing tags, which usually stand at its end, where
// a search from the back finds them at once.
bool ContainsClosing(const std::string& page, std::string_view text) { return FindLastNoCase(page, text) != npos; }

// Replaces the occurrence found at (with or without regard to letter case),
// if any, by text as written.
void ReplaceFirst(std::string& page, std::size_t at, std::size_t length, std::string_view text) {
    if (at != npos) page.replace(at, length, text);
}

void AddHtmlTag(std::string& page) {
    if (Contains(page, "<html")) return;
    const std::size_t doctype = FindNoCase(page, "<!DOCTYPE");
    const std::size_t end = doctype == npos ? npos : page.find('>', doctype);
    // A declaration without its ">" is treated as no declaration.
    page.insert(end == npos ? 0 : end + 1, "<html>");
}

// The first "</style>", the first "</title>" or the last "<meta" decides where
// the head ends, whichever lies furthest into the page.
void AddHeadClosing(std::string& page) {
    if (Contains(page, "</head>")) return;
    const std::size_t style = FindNoCase(page, "</style>");
    const std::size_t title = FindNoCase(page, "</title>");
    const std::size_t meta = FindLastNoCase(page, "<meta");
    // Absent texts rank before every position, as position 0 does.
    const auto rank = [](std::size_t at) { return at == npos ? 0 : at + 1; };
    const std::size_t s = rank(style), t = rank(title), m = rank(meta);
    if (s > t && s > m) {
        ReplaceFirst(page, style, 8, "</style></head>");
    } else if (t > s && t > m) {
        ReplaceFirst(page, title, 8, "</title></head>");
    } else if (m > s && m > t) {
        // A meta tag without its ">" gets no closing head tag.
        const std::size_t end = page.find('>', meta);
        if (end != npos) page.insert(end + 1, "</head>");
    } else if (!Contains(page, "<head")) {
        ReplaceFirst(page, FindNoCase(page, "<html>"), 6, "<html><head></head>");
    }
}

void AddSkeletonTags(std::string& page) {
    if (!Contains(page, "<head")) ReplaceFirst(page, page.find("<html>"), 6, "<html><head>");
    if (!Contains(page, "<body")) ReplaceFirst(page, page.find("</head>"), 7, "</head><body>");
    if (!ContainsClosing(page, "</html>")) page.append("</html>");
    if (!ContainsClosing(page, "</body>")) ReplaceFirst(page, page.find("</html>"), 7, "</body></html>");
}

}  // namespace

std::string NormalisePage(std::string_view page) {
    std::string text = CleanHeadSpacing(page);
    AddHtmlTag(text);
    AddHeadClosing(text);
    AddSkeletonTags(text);
    return text;
}

}  // namespace wk
