#pragma once
// Keyword proposal from a page's content: the words of its title and
// headings weigh above those of its body, stop words go, and rarity (the
// letter rarity of the classic proposal) is one factor of the score.
#include <string>
#include <string_view>

#include "meta/content_text.h"

namespace wk {

// The comma-separated list (no spaces), best first, at most 1024 characters.
std::string GenerateImprovedKeywords(const ContentText& content);
std::string GenerateImprovedKeywords(std::string_view page);

}  // namespace wk
