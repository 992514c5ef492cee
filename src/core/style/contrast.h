#pragma once
// How readable a text colour is on its background, as WCAG measures it, and the
// designer's note on the styled pairs that fall short.
#include <cstdint>
#include <string>

#include "style/style_set.h"

namespace wk {

// The ratio most readers need between ordinary text and its background (WCAG AA).
inline constexpr double kReadableContrast = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of two packed 0x00BBGGRR colours, the lighter's
// relative luminance over the darker's: 1 for equal colours, 21 for black on white.
double ContrastRatio(std::int32_t first, std::int32_t second);

// One line for each element with text whose text and background fall below
// kReadableContrast: "Menu Bar Highlight: text on background 2.9:1, below the
// 4.5:1 most readers need". The ratio is cut, not rounded, to one decimal, so a
// pair just short of 4.5 never reads as 4.5. Empty when every pair is readable.
std::string ContrastNote(const StyleSet& style);

}  // namespace wk
