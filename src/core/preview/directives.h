#pragma once
// The two server-side directives a committed page carries: the style import
// comment in its style element and the include after its anchor tag.
#include <cstddef>
#include <string>
#include <string_view>

namespace wk {

// One directive found in a page (letter case ignored).
struct Directive {
    static constexpr std::size_t npos = std::string_view::npos;
    std::size_t begin = npos;  // npos: the page holds none
    std::size_t end = npos;    // just past its end; npos: its end is missing (a later directive's does not count)
    std::string ref;           // the reference between its quotes

    bool found() const { return begin != npos; }
    bool whole() const { return end != npos; }
};

// The first style import comment: "<!--@import", a space, a quote, the
// reference, then a quote and ";-->".
Directive FindStyleImport(std::string_view page);

// The first include at or after from: "<!--#include virtual=", the quoted
// reference and "-->", up to and including the end marker "<!--/#include-->".
Directive FindInclude(std::string_view page, std::size_t from = 0);

}  // namespace wk
