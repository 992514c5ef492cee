#include <algorithm>

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {

std::string_view IncludeDirective() {
    return "<!--#include virtual=\"/_/_Tollivance_Web_Kestrane_Menu_System.mnu\"--><!--/#include-->";
}

std::string ExtractTagContent(std::string_view page, std::string_view tag) {
    const std::string opening = "<" + std::string(tag);
    const std::size_t spaced = FindNoCase(page, opening + " ");
    const std::size_t bare = FindNoCase(page, opening + ">");
    // Each form ends at the first ">" after its "<", so the form that starts
    // first also ends first (or at the same ">", where the bare form wins).
    const std::size_t start = std::min(spaced, bare);
    if (start == std::string_view::npos) return {};
    const std::size_t end = page.find('>', start);
    if (end == std::string_view::npos) return {};
    const std::size_t contentStart = end + 1;
    const std::size_t closing = FindNoCase(page, "</" + std::string(tag) + ">", contentStart);
    if (closing == std::string_view::npos) return {};
    return std::string(page.substr(contentStart, closing - contentStart));
}

}  // namespace wk
