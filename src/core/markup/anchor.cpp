#include <algorithm>
#include <vector>

#include "ground/text.h"
#include "markup/no_break_space.h"
#include "markup/scan.h"

namespace wk {
namespace {

// "<" in front when missing; text after the first ">" dropped when the anchor
// does not end with ">".
std::string NormaliseAnchor(std::string_view anchor) {
    std::string result(anchor);
    if (!result.starts_with("<")) result.insert(0, "<");
    if (!result.ends_with(">")) {
        const std::size_t gt = result.find('>');
        if (gt != std::string::npos) result.resize(gt);
    }
    return result;
}

bool IsClosingAnchor(std::string_view anchor) { return anchor.size() > 1 && anchor[1] == '/'; }

// Cuts the text before the first stop found after its first character.
void CutBefore(std::string& text, std::size_t stop) {
    if (stop != std::string::npos && stop > 0) text.resize(stop);
}

// "<BODY>" gives "<BODY", "</head>" gives "<head".
std::string TagPrefix(std::string anchor) {
    if (IsClosingAnchor(anchor)) anchor.erase(1, 1);
    CutBefore(anchor, anchor.find(' '));
    CutBefore(anchor, FindNoBreakSpace(anchor));
    CutBefore(anchor, anchor.find('>'));
    return anchor;
}

// "id=" or "class=" with its value as written (quotes kept), up to the first
// space, no-break space or ">"; empty when the anchor lacks the attribute.
std::string AttributeFilter(std::string_view anchor, std::string_view attribute) {
    const std::size_t at = FindNoCase(anchor, attribute);
    if (at == std::string_view::npos) return {};
    const std::size_t valueStart = at + attribute.size();
    const std::size_t end = std::min(anchor.find_first_of(" >", valueStart), FindNoBreakSpace(anchor, valueStart));
    return std::string(anchor.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
}

// Finds needle at or after a rising start point, reusing the previous answer
// while it still lies ahead, so a walk over the page searches it only once.
class ForwardFinder {
public:
    ForwardFinder(std::string_view page, std::string needle) : page_(page), needle_(std::move(needle)) {}
    std::size_t from(std::size_t start) {
        if (!searched_ || (found_ != std::string_view::npos && found_ < start)) {
            found_ = FindNoCase(page_, needle_, start);
            searched_ = true;
        }
        return found_;
    }
    std::size_t size() const { return needle_.size(); }

private:
    std::string_view page_;
    std::string needle_;
    std::size_t found_ = std::string_view::npos;
    bool searched_ = false;
};

// The position of the chosen element's "<": the first occurrence of prefix
// whose tag text holds every filter; npos when none does.
std::size_t ChooseElement(std::string_view page, const std::string& prefix, const std::vector<std::string>& filters) {
    std::size_t at = FindNoCase(page, prefix);
    if (filters.empty() || at == std::string_view::npos) return at;
    ForwardFinder tagEnd(page, ">");
    std::vector<ForwardFinder> finders;
    for (const std::string& filter : filters) finders.emplace_back(page, filter);
    for (; at != std::string_view::npos; at = FindNoCase(page, prefix, at + 1)) {
        const std::size_t end = tagEnd.from(at);
        if (end == std::string_view::npos) return std::string_view::npos;
        bool holdsAll = true;
        for (ForwardFinder& finder : finders) {
            const std::size_t hit = finder.from(at);
            holdsAll = holdsAll && hit != std::string_view::npos && hit + finder.size() <= end;
        }
        if (holdsAll) return at;
    }
    return std::string_view::npos;
}

}  // namespace

bool InsertAtAnchor(std::string& page, std::string_view anchor, std::string_view block) {
    if (FindNoCase(page, IncludeDirective()) != std::string::npos) return false;
    const std::string normalised = NormaliseAnchor(anchor);
    const std::string prefix = TagPrefix(normalised);
    std::vector<std::string> filters;
    for (const std::string_view attribute : {"id=", "class="})
        if (std::string filter = AttributeFilter(normalised, attribute); !filter.empty()) filters.push_back(filter);

    const std::size_t element = ChooseElement(page, prefix, filters);
    if (element == std::string::npos) return false;
    const std::size_t elementEnd = page.find('>', element);
    if (elementEnd == std::string::npos) return false;
    std::size_t insertAt = elementEnd + 1;
    if (IsClosingAnchor(normalised)) {
        insertAt = FindNoCase(page, "</" + prefix.substr(1), elementEnd);
        if (insertAt == std::string::npos) return false;
    }
    page.insert(insertAt, block);
    return true;
}

}  // namespace wk
