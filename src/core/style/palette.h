#pragma once
// The designer's colour palette: seven greys, then the 216 colours whose
// channels are multiples of 51, one column of swatches.
#include <cstdint>

namespace wk {

inline constexpr int kSwatchCount = 223;
inline constexpr int kVisibleSwatches = 12;
inline constexpr int kPaletteScrollMax = kSwatchCount - kVisibleSwatches;  // 211
inline constexpr int kSwatchHeight = 28;  // pixels at 96 dpi

// The packed 0x00BBGGRR colour of swatch index (0 to 222; others are clamped).
std::int32_t SwatchColor(int index);
// Where a swatch sits in the panel, in pixels from its top, with the scroll
// bar at scroll: the top visible swatch is at 0.
int SwatchTop(int index, int scroll);

}  // namespace wk
