#include "style/palette.h"

#include <gtest/gtest.h>

#include <set>

#include "style/style_sheet.h"

namespace wk {
namespace {

TEST(Palette, GreysThenTheWebSafeCubeInOrder) {
    EXPECT_EQ(ColorToCssHex(SwatchColor(0)), "#FFFFFF");
    EXPECT_EQ(ColorToCssHex(SwatchColor(6)), "#333333");
    EXPECT_EQ(ColorToCssHex(SwatchColor(7)), "#000000");
    EXPECT_EQ(ColorToCssHex(SwatchColor(12)), "#0000FF");
    EXPECT_EQ(ColorToCssHex(SwatchColor(13)), "#003300");
    EXPECT_EQ(ColorToCssHex(SwatchColor(43)), "#330000");
    EXPECT_EQ(ColorToCssHex(SwatchColor(222)), "#FFFFFF");
    // Packed red in the low byte, as menu.ufm stores colours.
    EXPECT_EQ(SwatchColor(12), 16711680);
    EXPECT_EQ(SwatchColor(43), 51);
}

TEST(Palette, CubeHoldsTwoHundredSixteenDistinctWebSafeColours) {
    std::set<std::int32_t> cube;
    for (int i = 7; i < kSwatchCount; ++i) {
        const std::int32_t color = SwatchColor(i);
        for (int shift : {0, 8, 16}) EXPECT_EQ((color >> shift & 0xFF) % 51, 0) << i;
        EXPECT_EQ(color >> 24, 0);
        cube.insert(color);
    }
    EXPECT_EQ(cube.size(), 216u);
}

TEST(Palette, ScrolledToTheEndShowsTheLastTwelve) {
    EXPECT_EQ(kPaletteScrollMax, 211);
    EXPECT_EQ(SwatchTop(211, 211), 0);
    EXPECT_EQ(SwatchTop(222, 211), 11 * kSwatchHeight);
    EXPECT_LT(SwatchTop(210, 211), 0);
    EXPECT_EQ(SwatchTop(12, 0), 12 * kSwatchHeight);  // just below the visible twelve
}

}  // namespace
}  // namespace wk
