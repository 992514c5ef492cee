#pragma once
// Keyword proposal from a page's own visible text: words of rare letters and
// recurring words score highest.
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// Longest keyword list the generator proposes.
inline constexpr std::size_t kKeywordListCap = 1024;

// The sum of 5.7 / letter frequency over a word's letters a to z.
double LetterRarity(std::string_view word);
// The rarity weight of a word: its letter rarity rounded down.
int WordWeight(std::string_view word);

// A list longer than the cap cut to the cap, then back to its last comma, so
// it ends with a whole keyword: at most 1024 characters either way.
std::string CapKeywordList(std::string list);

// The comma-separated keyword list (no spaces) for a page's body text. A list
// longer than the cap is cut to the cap and then back to before its last
// comma; when its first keyword alone is longer than the cap, the list is empty.
std::string GenerateKeywords(std::string_view page);
// The same list from the body's plain text already extracted.
std::string KeywordsOfText(std::string_view plain);

// The entries of a keyword list, one per comma-separated piece (an empty list
// gives one empty entry).
std::vector<std::string> FillKeywordList(std::string_view list);

}  // namespace wk
