#pragma once
// The menu's style sheet (0.css): fixed text filled from the StyleSet, on one line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "style/style_set.h"

namespace wk {

// "#RRGGBB" from a packed 0x00BBGGRR colour: 8388608 gives "#000080".
std::string ColorToCssHex(std::int32_t color);
// The packed colour of a "#RRGGBB" text (six hexadecimal digits, either case);
// nothing for any other text.
std::optional<std::int32_t> ColorFromCssHex(std::string_view text);

// The font stack for a family name, by exact comparison: "verdana, sans-serif";
// names outside the designer's list fall back to verdana.
std::string FontStack(std::string_view fontName);
// "FONT: [italic ][bold ]Npx/Mpx STACK".
std::string FontShorthand(const ElementStyle& style);
// The bar's height in pixels as the sheet writes it, from the "Menu" element's
// size (not the bar's own).
std::string BarHeight(const StyleSet& style);

// The nineteen rules, each ending in one space; no line break anywhere. With
// keyboardMenus a drop-down also opens while the focus is inside its menu, the
// focused entry or item is lit as the hovered one is, and a twentieth rule
// draws the focus ring.
std::string BuildStyleSheet(const StyleSet& style, bool keyboardMenus = false);

}  // namespace wk
