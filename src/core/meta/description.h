#pragma once
// Description proposal from a page's own sentences: opening and closing
// sentences sampled at exponentially growing distances, capped in length.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// Longest front and back part together.
inline constexpr std::size_t kDescriptionCap = 1024;

// The sentence of text starting at position p (the first character is 1), up
// to and including its ". ", "! " or "? " mark; a sentence with fewer than two
// spaces has the following sentences joined on.
std::string GetSentence(std::string_view text, std::size_t p);

// The text without its last sentence, or empty.
std::string DropLastSentence(std::string_view x);

struct Description {
    std::string text;                     // the proposed description
    std::vector<std::string> candidates;  // every candidate sentence, in order
};

Description GenerateDescription(std::string_view page);

}  // namespace wk
