#include "ground/text.h"
#include "markup/scan.h"

namespace wk {

std::string_view IncludeDirective() {
    return "<!--#include virtual=\"/_/_Tollivance_Web_Kestrane_Menu_System.mnu\"--><!--/#include-->";
}

std::optional<TagContent> FindTagContent(std::string_view page, std::string_view tag) {
    const std::string opening = "<" + std::string(tag);
    // The first opening of either form, bare "<tag>" or spaced "<tag ...>":
    // a search that stops there, where looking for each form apart would
    // pass over the whole page for the form it does not have.
    std::size_t start = FindNoCase(page, opening);
    while (start != std::string_view::npos && start + opening.size() < page.size() &&
           page[start + opening.size()] != ' ' && page[start + opening.size()] != '>')
        start = FindNoCase(page, opening, start + 1);
    if (start == std::string_view::npos || start + opening.size() >= page.size()) return std::nullopt;
    const std::size_t end = page.find('>', start);
    if (end == std::string_view::npos) return std::nullopt;
    const std::size_t closing = FindNoCase(page, "</" + std::string(tag) + ">", end + 1);
    if (closing == std::string_view::npos) return std::nullopt;
    return TagContent{end + 1, closing};
}

std::string ExtractTagContent(std::string_view page, std::string_view tag) {
    const std::optional<TagContent> content = FindTagContent(page, tag);
    if (!content) return {};
    return std::string(content->in(page));
}

}  // namespace wk
