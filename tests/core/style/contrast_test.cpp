#include "style/contrast.h"

#include <gtest/gtest.h>

namespace wk {
namespace {

// Colours packed 0x00BBGGRR, as menu.ufm holds them.
constexpr std::int32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(ContrastRatio, RelativeLuminancesOfTheLighterOverTheDarker) {
    const struct {
        std::int32_t first, second;
        double ratio;
    } rows[] = {
        {kBlack, kWhite, 21.0},       {kWhite, kBlack, 21.0},  // either order
        {0x336633, 0x336633, 1.0},                              // the same colour
        {kRed, kBlack, 5.252},        {kBlue, kBlack, 2.444},  // red is the low byte
        {0x777777, kWhite, 4.478},    {0x767676, kWhite, 4.542},  // either side of AA
        {0x0A0A0A, kBlack, 1.061},                              // below the linear knee
    };
    for (const auto& row : rows)
        EXPECT_NEAR(ContrastRatio(row.first, row.second), row.ratio, 0.001) << std::hex << row.first << ' ' << row.second;
}

TEST(ContrastNote, NamesEachElementWithTextBelowTheRatioCutToOneDecimal) {
    StyleSet style;
    const auto paint = [&](Element element, std::int32_t back, std::int32_t fore) {
        style[element].BackColor = back;
        style[element].ForeColor = fore;
    };
    for (Element element : kAllElements) paint(element, kBlack, kWhite);
    EXPECT_EQ(ContrastNote(style), "");
    style[Element::MenuSpine].BackColor = kWhite;  // no text on the spine
    style[Element::MenuSpine].ForeColor = kWhite;
    EXPECT_EQ(ContrastNote(style), "");
    paint(Element::MenuBarHighlight, 0x339966, kWhite);  // #669933
    paint(Element::MenuHighlight, kWhite, 0x777777);     // 4.478 reads 4.4, never 4.5
    EXPECT_EQ(ContrastNote(style),
              "Menu Bar Highlight: text on background 3.4:1, below the 4.5:1 most readers need\n"
              "Menu Highlight: text on background 4.4:1, below the 4.5:1 most readers need");
}

}  // namespace
}  // namespace wk
