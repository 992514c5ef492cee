#include "markup/style_import.h"

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kBareStyleTag = "<style>";

std::string NewStyleElement() { return std::string(kBareStyleTag) + std::string(kStyleImport) + "</style>"; }

}  // namespace

bool AddStyleImport(std::string& page) {
    std::optional<TagContent> head = FindTagContent(page, "head");
    if (!head) {
        // A head that never closes gets the element before the first "</head>", once.
        const std::size_t close = FindNoCase(page, "</head>");
        if (close == npos || FindNoCase(std::string_view(page).substr(0, close), kStyleImport) != npos) return false;
        page.insert(close, NewStyleElement());
        return true;
    }
    // Every search stays inside the head, where the next commit looks: a
    // match before it (a page whose first "</head>" comes before its head)
    // would take one more import at every commit.
    const auto inHead = [&](std::string_view text) {
        const std::size_t at = FindNoCase(head->in(page), text);
        return at == npos ? npos : head->start + at;
    };
    if (const std::size_t bare = inHead(kBareStyleTag); bare != npos) {
        page.replace(bare, kBareStyleTag.size(), kTypedStyleTag);
        head->end += kTypedStyleTag.size() - kBareStyleTag.size();
    }
    // An import anywhere in the head counts: a page whose first style element
    // is not the one holding it must not get a second one.
    if (inHead(kStyleImport) != npos) return false;
    // Browsers ignore an @import that follows other rules, so the import
    // opens the element, ahead of the page's own rules.
    if (const std::size_t typed = inHead(kTypedStyleTag); typed != npos)
        page.insert(typed + kTypedStyleTag.size(), kStyleImport);
    else
        page.insert(head->end, NewStyleElement());
    return true;
}

}  // namespace wk
