#pragma once
// The visible text of a piece of mark-up as the generators see it: tags and
// character entities removed, sentence ends normalised, single spaces.
#include <string>
#include <string_view>

namespace wk {

std::string ExtractPlainText(std::string_view markup);
// The plain text of the page's body (empty when it has none), read in place.
std::string ExtractBodyText(std::string_view page);

}  // namespace wk
