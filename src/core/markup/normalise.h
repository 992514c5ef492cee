#pragma once
// Brings a page into the shape the commit relies on: no stray spaces in the
// head's tags, and the skeleton tags html, head, /head, body, /body, /html.
#include <string>
#include <string_view>

namespace wk {

std::string NormalisePage(std::string_view page);

}  // namespace wk
