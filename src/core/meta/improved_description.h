#pragma once
// Description proposal from a page's content: its first sentences, whole, up
// to about the length search engines show. Headings, code and runs of link
// texts are not sentences of content; a page without any gets an empty
// description rather than a wrong one.
#include <cstddef>
#include <string>
#include <string_view>

#include "meta/content_text.h"

namespace wk {

// Sentences are added while the description stays within this many characters.
inline constexpr std::size_t kImprovedDescriptionLength = 160;

// An "&" that could be read as the start of a character reference is written
// "&amp;", so that the meta tag shows the text as the page did.
std::string GenerateImprovedDescription(const ContentText& content);
std::string GenerateImprovedDescription(std::string_view page);

}  // namespace wk
