#include "markup/style_import.h"

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

// The first occurrence of target (letter case ignored) replaced; false when there is none.
bool ReplaceFirstNoCase(std::string& page, std::string_view target, std::string_view replacement) {
    const std::size_t at = FindNoCase(page, target);
    if (at != std::string::npos) page.replace(at, target.size(), replacement);
    return at != std::string::npos;
}

bool HeadContains(std::string_view page, std::string_view text) {
    return FindNoCase(ExtractTagContent(page, "head"), text) != std::string::npos;
}

}  // namespace

bool AddStyleImport(std::string& page) {
    if (HeadContains(page, "<style>")) ReplaceFirstNoCase(page, "<style>", kTypedStyleTag);
    if (HeadContains(page, kTypedStyleTag)) {
        // An import anywhere in the head counts: a page whose first style
        // element is not the one holding it must not get a second one.
        if (HeadContains(page, kStyleImport)) return false;
        // Browsers ignore an @import that follows other rules, so the import
        // opens the element, ahead of the page's own rules.
        const std::size_t tag = FindNoCase(page, kTypedStyleTag);
        page.insert(tag + kTypedStyleTag.size(), kStyleImport);
        return true;
    }
    return ReplaceFirstNoCase(page, "</head>", "<style>" + std::string(kStyleImport) + "</style></head>");
}

}  // namespace wk
