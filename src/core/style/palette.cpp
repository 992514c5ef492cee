#include "style/palette.h"

#include <algorithm>

namespace wk {

namespace {
constexpr std::int32_t kGreys[] = {0xFFFFFF, 0xCCCCCC, 0xC0C0C0, 0x999999, 0x808080, 0x666666, 0x333333};
constexpr int kGreyCount = 7;
constexpr int kChannelStep = 51;

constexpr std::int32_t Packed(int red, int green, int blue) { return red | green << 8 | blue << 16; }
}  // namespace

std::int32_t SwatchColor(int index) {
    index = std::clamp(index, 0, kSwatchCount - 1);
    if (index < kGreyCount) return kGreys[index];
    const int n = index - kGreyCount;
    return Packed(kChannelStep * (n / 36), kChannelStep * (n % 36 / 6), kChannelStep * (n % 6));
}

int SwatchTop(int index, int scroll) { return (index - scroll) * kSwatchHeight; }

}  // namespace wk
