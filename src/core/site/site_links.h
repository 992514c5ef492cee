#pragma once
// The links a page holds: every href and src attribute of its tags, found in
// the page's bytes without decoding them, so a link can be rewritten in place
// with every other byte left as it was.
#include <cstddef>
#include <string_view>
#include <vector>

namespace wk {

// One attribute value: where its bytes stand (quotes excluded) and its line.
struct PageLink {
    std::size_t at = 0;
    std::size_t length = 0;
    int line = 1;  // from 1; a line ends with LF, CR LF or a lone CR
    std::string_view in(std::string_view page) const { return page.substr(at, length); }
    bool operator==(const PageLink&) const = default;
};

// The href and src values of every tag, in page order: attribute names in any
// letter case, values in double quotes, single quotes or none. What a comment
// holds, and the content of a script or style element, is text, not tags:
// their links are left alone (a script's own src is a link).
std::vector<PageLink> FindPageLinks(std::string_view page);

}  // namespace wk
