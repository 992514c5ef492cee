#pragma once
// Character references in page text: "&eacute;", "&#233;", "&#xE9;".
#include <cstddef>
#include <string_view>

namespace wk {

struct DecodedEntity {
    char32_t code = 0;
    std::size_t length = 0;  // 0: no reference starts there
};

// The reference starting at the "&" at position at. Named references need
// their ";"; number references may go without. An unknown name, or an "&"
// that starts no reference, gives length 0: the "&" is then plain text.
DecodedEntity EntityAt(std::string_view text, std::size_t at);

}  // namespace wk
