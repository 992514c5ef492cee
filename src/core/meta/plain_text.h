#pragma once
// The visible text of a piece of mark-up as the generators see it: tags and
// character entities removed, sentence ends normalised, single spaces.
#include <string>
#include <string_view>

namespace wk {

std::string ExtractPlainText(std::string_view markup);

}  // namespace wk
