#include "markup/commit_style.h"

#include "app/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

// The first occurrence of target (letter case ignored) replaced.
std::string ReplaceFirstNoCase(std::string_view page, std::string_view target, std::string_view replacement) {
    const std::size_t at = FindNoCase(page, target);
    if (at == std::string_view::npos) return std::string(page);
    std::string result;
    result.reserve(page.size() + replacement.size());
    result.append(page.substr(0, at)).append(replacement).append(page.substr(at + target.size()));
    return result;
}

bool HeadContains(std::string_view page, std::string_view text) {
    return FindNoCase(ExtractTagContent(page, "head"), text) != std::string::npos;
}

}  // namespace

std::string AddStyleImport(std::string_view page) {
    std::string result(page);
    if (HeadContains(result, "<style>")) result = ReplaceFirstNoCase(result, "<style>", kTypedStyleTag);
    if (HeadContains(result, kTypedStyleTag)) {
        // An import anywhere in the head counts: a page whose first style
        // element is not the one holding it must not get a second one.
        if (!HeadContains(result, kStyleImport))
            result = ReplaceFirstNoCase(result, "</style>", std::string(kStyleImport) + "</style>");
        return result;
    }
    return ReplaceFirstNoCase(result, "</head>", "<style>" + std::string(kStyleImport) + "</style></head>");
}

}  // namespace wk
