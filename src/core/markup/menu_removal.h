#pragma once
// Taking the menu out of a committed page: the inverse of the commit's
// include directive and style import.
#include <cstddef>
#include <string>

namespace wk {

struct MenuRemoval {
    std::size_t includes = 0;  // include directives removed
    std::size_t imports = 0;   // style import comments removed
    bool any() const { return includes + imports > 0; }
};

// Removes every include directive, then every style import comment, letter
// case ignored. Everything else stays byte for byte: the style element that
// held the import, the meta tags and the anchor tag.
MenuRemoval RemoveMenuFromPage(std::string& page);

}  // namespace wk
