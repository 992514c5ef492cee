#include "style/style_sheet.h"

#include <gtest/gtest.h>
#include <set>

#include "style/palette.h"

namespace wk {
namespace {

TEST(StyleSheet, DefaultStyleGivesTheWholeSheet) {
    const std::string expected =
        "a br, a:hover br {float:left;   width:0px; padding:0px 0px 0px 0px;} "
        "DIV#mb * {CURSOR: pointer; BORDER-COLLAPSE: collapse} "
        "DIV#mb {HEIGHT: 15px; WHITE-SPACE: nowrap; WIDTH: 100%;} "
        "DIV#mb .a  {BORDER: #000080 1px solid; TEXT-DECORATION: none} "
        "DIV#mb .a TABLE  {DISPLAY: block; WHITE-SPACE: nowrap} "
        "DIV#mb TABLE, DIV#mb TABLE A {DISPLAY: none; z-index:-1} "
        "div#mb .a:hover, div#mb div.mi:hover {background: #0000FF;border: 1px solid #000080;color: #00FFFF; "
        "FONT: bold 13px/15px verdana, sans-serif; z-index:1000; margin-right:-1px; margin-top:-1px;} "
        "div#mb .a:hover *, div#mb div.mi:hover * {color: #00FFFF; FONT: bold 13px/15px verdana, sans-serif} "
        "div#mb .a:hover table, div#mb div.mi:hover table {background: #FFFFFF;border: 1px solid #008080;"
        "display: block; position: absolute; white-space: nowrap; z-index: 1000;} "
        "div#mb .a:hover table a, div#mb div.mi:hover table a {border-left: 10px solid #008080;"
        "border-right: 1px solid #008080;color: #000080; FONT: 13px/15px arial, sans-serif; "
        "display: block; padding: 1px 12px; text-decoration: none; white-space: nowrap; z-index: 1000;} "
        "div#mb .a:hover table a:hover, div#mb div.mi:hover table a:hover {background: #00FFFF;"
        "border: 1px solid #008080;border-left: 10px solid #00FFFF; color: #000040; "
        "FONT: 13px/15px arial, sans-serif; display: block; padding: 0px 12px; text-decoration: none; "
        "z-index: 1000;} "
        "div#mb .a:hover table a:hover *, div#mb div.mi:hover table a:hover *{color: #000040; "
        "FONT: 13px/15px arial, sans-serif} "
        "div#mb td {border-width: 0px; padding: 0px 0px 0px 0px;} "
        ".mi {float: left; margin: 0px 0px 0px 0px; padding: 0px 9px 0px 9px; "
        "FONT: bold 13px/15px verdana, sans-serif} "
        "#o2 {VISIBILITY: visible; HEIGHT: auto;} "
        "#tollivancewebkestrane {WIDTH: 100%; HEIGHT: 15px;background: #000080;} "
        ".mi * {padding: 0px 0px 0px 0px; color: #00FFFF; FONT: bold 13px/15px verdana, sans-serif} "
        "UNKNOWN {VISIBILITY: visible; HEIGHT: auto} "
        "UNKNOWN {VISIBILITY: hidden; HEIGHT: 1px} ";
    EXPECT_EQ(BuildStyleSheet(StyleSet{}), expected);
}

TEST(StyleSheet, EveryColourComesFromItsOwnElement) {
    StyleSet style;
    int next = 1;
    for (ElementStyle& e : style.elements) {
        e.BackColor = next++;
        e.ForeColor = next++;
    }
    const std::string css = BuildStyleSheet(style);
    // Spine text colour (#0A0000) is never written; every other colour is.
    for (int color = 1; color <= 9; ++color)
        EXPECT_NE(css.find(ColorToCssHex(color)), std::string::npos) << color;
    EXPECT_EQ(css.find(ColorToCssHex(10)), std::string::npos);
    EXPECT_NE(css.find("#tollivancewebkestrane {WIDTH: 100%; HEIGHT: 15px;background: #010000;} "),
              std::string::npos);
    EXPECT_NE(css.find(".mi * {padding: 0px 0px 0px 0px; color: #020000; "), std::string::npos);
    EXPECT_NE(css.find("{border-left: 10px solid #090000;border-right: 1px solid #090000;color: #060000; "),
              std::string::npos);
    EXPECT_EQ(css.find('\n'), std::string::npos);
    EXPECT_EQ(css.find('\r'), std::string::npos);
}

TEST(StyleSheet, KeyboardMenusOpenAndLightWhatHoldsTheFocusAndRingItInTheBarHighlightColours) {
    const std::string css = BuildStyleSheet(StyleSet{}, true);
    for (const char* part : {
             "div#mb div.mi:hover, div#mb div.mi:focus-within {background: #0000FF;",
             "div#mb div.mi:hover *, div#mb div.mi:focus-within * {color: #00FFFF;",
             "div#mb div.mi:hover table, div#mb div.mi:focus-within table {background: #FFFFFF;",
             "div#mb div.mi:hover table a, div#mb div.mi:focus-within table a {border-left: 10px solid #008080;",
             "div#mb div.mi:hover table a:hover, div#mb div.mi:focus-within table a:focus {background: #00FFFF;",
             "div#mb div.mi:hover table a:hover *, div#mb div.mi:focus-within table a:focus *{color: #000040;",
             "UNKNOWN {VISIBILITY: hidden; HEIGHT: 1px} div#mb div.mi:focus, div#mb div.mi table a:focus "
             "{outline: 2px solid #00FFFF; outline-offset: -2px; box-shadow: inset 0 0 0 4px #0000FF;} ",
         })
        EXPECT_NE(css.find(part), std::string::npos) << part;
    EXPECT_TRUE(css.ends_with("#0000FF;} "));
    EXPECT_EQ(BuildStyleSheet(StyleSet{}).find("focus"), std::string::npos);
}

TEST(StyleSheet, BarHeightFollowsTheMenuSizeOnly) {
    StyleSet style;
    style[Element::MenuBar].FontSize = 30;
    EXPECT_EQ(BarHeight(style), "15");
    style[Element::Menu].FontSize = 14.25f;
    EXPECT_EQ(BarHeight(style), "21");
    const std::string css = BuildStyleSheet(style);
    EXPECT_NE(css.find("DIV#mb {HEIGHT: 21px;"), std::string::npos);
    EXPECT_NE(css.find("{WIDTH: 100%; HEIGHT: 21px;"), std::string::npos);
}

TEST(FontShorthand, RoundedPixelSizesItalicBeforeBoldAndNoUnderline) {
    const std::pair<ElementStyle, const char*> cases[] = {
        {{0, 0, "Arial", 9.75f}, "FONT: 13px/15px arial, sans-serif"},
        {{0, 0, "Arial", 12}, "FONT: 16px/18px arial, sans-serif"},
        {{0, 0, "Arial", 14.25f}, "FONT: 19px/21px arial, sans-serif"},
        {{0, 0, "Arial", 8.25f}, "FONT: 11px/12px arial, sans-serif"},
        // Whole numbers in plain decimal form, however large.
        {{0, 0, "Arial", 1e7f}, "FONT: 13000000px/15000000px arial, sans-serif"},
        {{0, 0, "Impact", 12, true, true}, "FONT: italic bold 16px/18px impact, sans-serif"},
        {{0, 0, "Impact", 12, false, true}, "FONT: italic 16px/18px impact, sans-serif"},
        {{0, 0, "Impact", 12, true, false}, "FONT: bold 16px/18px impact, sans-serif"},
        {{0, 0, "Impact", 12, false, false, true}, "FONT: 16px/18px impact, sans-serif"},
    };
    for (const auto& [font, shorthand] : cases) EXPECT_EQ(FontShorthand(font), shorthand);
}

TEST(FontStack, EachFamilyLowerCasedAndQuotedWhenSpacedThenTheFallback) {
    const std::pair<const char*, const char*> cases[] = {
        {"Andale Mono", "\"andale mono\", monospace"}, {"Trebuchet MS", "\"trebuchet ms\", sans-serif"},
        {"Georgia", "georgia, serif"}, {"Webdings", "webdings, symbols"},
        // Outside the table, letter case included.
        {"verdana", "verdana, sans-serif"}, {"georgia", "verdana, sans-serif"},
        {"MS Sans Serif", "verdana, sans-serif"}, {"Comic Sans MS", "verdana, sans-serif"},
        {"", "verdana, sans-serif"}};
    for (const auto& [font, stack] : cases) EXPECT_EQ(FontStack(font), stack) << font;
}

TEST(CssColor, PackedColoursAreWrittenRedFirstAndReadBack) {
    // A negative value is read as its eight two's-complement digits (-16777216 is FF000000).
    const std::pair<std::int32_t, const char*> cases[] = {
        {8388608, "#000080"},   {49344, "#C0C000"}, {0, "#000000"},        {0x0A0B0C, "#0C0B0A"},
        {16777215, "#FFFFFF"}, {-1, "#FFFFFF"},    {-16777216, "#0000FF"}};
    for (const auto& [color, hex] : cases) EXPECT_EQ(ColorToCssHex(color), hex) << color;
    EXPECT_EQ(ColorFromCssHex("#c0c000"), 49344);
    for (std::int32_t color : {0, 1, 255, 49344, 65280, 8388608, 16711680, 16777215, 12345678})
        EXPECT_EQ(ColorFromCssHex(ColorToCssHex(color)), color);
    for (const char* bad : {"000080", "#00080", "#0000800", "#00008G", "#-00080", "#+00080", "", "#"})
        EXPECT_FALSE(ColorFromCssHex(bad)) << bad;
}

TEST(Palette, GreysThenTheWebSafeCubeInOrder) {
    const std::pair<int, const char*> swatches[] = {{0, "#FFFFFF"},  {6, "#333333"},  {7, "#000000"},  {12, "#0000FF"},
                                                    {13, "#003300"}, {43, "#330000"}, {222, "#FFFFFF"}};
    for (const auto& [swatch, hex] : swatches) EXPECT_EQ(ColorToCssHex(SwatchColor(swatch)), hex) << swatch;
    // Packed red in the low byte, as menu.ufm stores colours.
    EXPECT_EQ(SwatchColor(12), 16711680);
    EXPECT_EQ(SwatchColor(43), 51);
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
    EXPECT_EQ(SwatchTop(211, kPaletteScrollMax), 0);
    EXPECT_EQ(SwatchTop(222, kPaletteScrollMax), 11 * kSwatchHeight);
    EXPECT_LT(SwatchTop(210, kPaletteScrollMax), 0);
    EXPECT_EQ(SwatchTop(12, 0), 12 * kSwatchHeight);  // just below the visible twelve
}

}  // namespace
}  // namespace wk
