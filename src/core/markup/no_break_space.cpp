#include "markup/no_break_space.h"

namespace wk {
namespace {

constexpr unsigned char kNoBreakByte = 0xA0;
constexpr unsigned char kUtf8NoBreakLead = 0xC2;

unsigned char ByteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// The length of the UTF-8 sequence a lead byte opens; 0 for any other byte.
std::size_t SequenceLength(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

// Whether the continuation byte at position at belongs to a whole UTF-8
// sequence: a lead at most three bytes before it, followed by as many
// continuation bytes as it asks for. Lead bytes never continue a sequence,
// so the nearest one decides.
bool ContinuesUtf8Character(std::string_view text, std::size_t at) {
    std::size_t lead = at;
    while (lead > 0 && at - lead < 3 && IsContinuation(ByteAt(text, lead - 1))) --lead;
    if (lead == 0) return false;
    --lead;
    const std::size_t length = SequenceLength(ByteAt(text, lead));
    if (length == 0 || lead + length <= at || lead + length > text.size()) return false;
    for (std::size_t i = lead + 1; i < lead + length; ++i)
        if (!IsContinuation(ByteAt(text, i))) return false;
    return true;
}

}  // namespace

std::size_t NoBreakSpaceAt(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    const unsigned char b = ByteAt(text, at);
    if (b == kUtf8NoBreakLead && at + 1 < text.size() && ByteAt(text, at + 1) == kNoBreakByte) return 2;
    if (b == kNoBreakByte && !ContinuesUtf8Character(text, at)) return 1;
    return 0;
}

std::size_t FindNoBreakSpace(std::string_view text, std::size_t from) {
    for (std::size_t at = text.find_first_of(std::string_view("\xC2\xA0", 2), from); at != std::string_view::npos;
         at = text.find_first_of(std::string_view("\xC2\xA0", 2), at + 1))
        if (NoBreakSpaceAt(text, at) > 0) return at;
    return std::string_view::npos;
}

}  // namespace wk
