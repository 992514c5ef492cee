#pragma once
// The no-break space (code 160) in page bytes. Pages keep the encoding their
// site uses: in a single-byte page (Latin-1, Windows-1252) it is the byte
// 0xA0, in a UTF-8 page the pair 0xC2 0xA0. An 0xA0 byte that continues any
// other UTF-8 character ("à" is 0xC3 0xA0, "Р" 0xD0 0xA0, "†" 0xE2 0x80 0xA0)
// is part of that letter, not a space.
#include <cstddef>
#include <string_view>

namespace wk {

// The number of bytes of the no-break space starting at position at: 2 for
// the UTF-8 pair, 1 for an 0xA0 byte that continues no UTF-8 character, 0
// when none starts there.
std::size_t NoBreakSpaceAt(std::string_view text, std::size_t at);

// Where the first no-break space at or after from starts; npos when none.
std::size_t FindNoBreakSpace(std::string_view text, std::size_t from = 0);

}  // namespace wk
