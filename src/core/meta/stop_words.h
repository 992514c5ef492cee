#pragma once
// Words too common to describe a page, by language.
#include <string_view>

namespace wk {

// Whether word (lower case) is a stop word of the page's language, given as
// its lang attribute ("en", "en-GB"; empty when the page names none). English
// is the list shipped; a page in another language has no stop words.
bool IsStopWord(std::string_view word, std::string_view lang);

}  // namespace wk
