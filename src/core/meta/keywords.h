#pragma once
// Keyword proposal from a page's own visible text: words of rare letters and
// recurring words score highest.
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// Longest keyword list the generator proposes.
inline constexpr std::size_t kKeywordListCap = 1024;

// The rarity weight of a word: the sum of 5.7 / letter frequency, rounded down.
int WordWeight(std::string_view word);

// The comma-separated keyword list (no spaces) for a page, at most 1023
// characters, ending with a whole keyword.
std::string GenerateKeywords(std::string_view page);

// The entries of a keyword list, one per comma-separated piece (an empty list
// gives one empty entry).
std::vector<std::string> FillKeywordList(std::string_view list);

}  // namespace wk
