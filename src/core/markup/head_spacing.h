#pragma once
// The spacing clean-up inside the head that page normalisation starts with.
#include <string>
#include <string_view>

namespace wk {

// Runs the five clean-ups in order. Each one, while the head's content still
// holds its search text, replaces every occurrence in the whole page and looks
// again: "<style type " to "<style type", "text/css " and " text/css" to
// "text/css", " >" to ">", "< " to "<".
std::string CleanHeadSpacing(std::string_view page);

}  // namespace wk
