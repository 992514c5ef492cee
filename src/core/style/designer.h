#pragma once
// The style designer's state: what its controls hold and which are available,
// and the fixed lists it shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "style/style_set.h"

namespace wk {

// cmbFont: four group headings, each followed by its fonts.
inline constexpr int kFontEntryCount = 16;
inline constexpr std::array<std::string_view, kFontEntryCount> kFontEntries{
    "[MONOSPACE]:", "Andale Mono", "Courier New",     "[SANS SERIF]:", "Arial",        "Arial Black",
    "Comic Sans",   "Impact",      "Trebuchet MS",    "Verdana",       "[SERIF]:",     "Georgia",
    "Times New Roman", "[SYMBOLS]:", "Symbol",        "Webdings"};
// cmbSize; typed sizes are accepted too.
inline constexpr std::array<std::string_view, 8> kSizeEntries{"6", "8", "9", "10", "11", "12", "14", "16"};

inline constexpr const char* kElementHint = "Select Display Element to be configured";
inline constexpr const char* kFontHint = "Select Font";
inline constexpr const char* kSizeHint = "Select Font";
// What colour box 0 shows while the spine, which has no text colour, is selected.
inline constexpr std::int32_t kSpineTextBoxColor = 49344;  // #C0C000

// The font a list entry stands for: a heading stands for the first font of
// its group; nothing for a text that is not in the list.
std::optional<std::string> NormalisedFontChoice(std::string_view entry);
// The sizes a menu can use, in points: below 6 its text cannot be read, and
// above 48 a bar of a few entries is wider than a screen.
inline constexpr float kSmallestSize = 6, kLargestSize = 48;
inline constexpr const char* kSizeRange = "a size from 6 to 48 points";
// The size a size box text stands for: its leading number (blanks ignored),
// when that is a size a menu can use; nothing otherwise.
std::optional<float> TypedSize(std::string_view text);

// The two colour boxes; their numbers are those of the controls txtColor0
// and txtColor1.
enum class ColorBox { Text = 0, Background = 1 };

struct DesignerState {
    std::string elementText = "Menu Bar";  // cmbElement: the current element
    std::string fontText = "Verdana";      // cmbFont
    std::string sizeText = "9.75";         // cmbSize
    bool bold = false;                     // chkBold
    bool italic = false;                   // chkItalic
    std::int32_t backColor = 8388608;      // colour box 1
    std::int32_t foreColor = 16776960;     // colour box 0
    bool backEnabled = true;               // colour box 1 and its button
    bool foreEnabled = true;               // colour box 0 and its button
    bool fontEnabled = true;               // cmbFont
    bool sizeStyleEnabled = true;          // cmbSize, chkBold, chkItalic
    std::optional<ColorBox> paletteUnder;  // the box the palette is open under; none while closed
    ColorBox colorTarget = ColorBox::Text;  // what a swatch colours; kept after the palette closes
    int scroll = 0;                        // the palette's top visible swatch, 0 to 211
    // A tip the tips window is to show next (-1: none): set when the font box
    // held a text that is not in its list.
    int requestedTipIndex = -1;
    // The element's size when typing in the size box began, which a refused
    // entry puts back: typing "60" passes through "6", a size of its own.
    std::optional<float> sizeBeforeEntry;
    // Under the colour boxes, with keyboard menus on: the styled pairs whose text
    // is hard to read on its background (see ContrastNote); empty otherwise.
    std::string contrastNote;
};

}  // namespace wk
