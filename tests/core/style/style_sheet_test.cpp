#include "style/style_sheet.h"

#include <gtest/gtest.h>

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

TEST(StyleSheet, BarHeightFollowsTheMenuSizeOnly) {
    StyleSet style;
    style[Element::MenuBar].FontSize = 30;
    EXPECT_EQ(BarHeight(style), "15");
    const std::string css = BuildStyleSheet(style);
    EXPECT_NE(css.find("DIV#mb {HEIGHT: 15px;"), std::string::npos);
    EXPECT_NE(css.find("HEIGHT: 15px;background:"), std::string::npos);
    style[Element::Menu].FontSize = 14.25f;
    EXPECT_EQ(BarHeight(style), "21");
    EXPECT_NE(BuildStyleSheet(style).find("DIV#mb {HEIGHT: 21px;"), std::string::npos);
    EXPECT_NE(BuildStyleSheet(style).find("{WIDTH: 100%; HEIGHT: 21px;"), std::string::npos);
}

ElementStyle Font(std::string name, float size, bool bold = false, bool italic = false) {
    return {0, 0, std::move(name), size, bold, italic, false};
}

TEST(FontShorthand, PixelSizesAreRoundedFromTheSize) {
    EXPECT_EQ(FontShorthand(Font("Arial", 9.75f)), "FONT: 13px/15px arial, sans-serif");
    EXPECT_EQ(FontShorthand(Font("Arial", 12)), "FONT: 16px/18px arial, sans-serif");
    EXPECT_EQ(FontShorthand(Font("Arial", 14.25f)), "FONT: 19px/21px arial, sans-serif");
    EXPECT_EQ(FontShorthand(Font("Arial", 8.25f)), "FONT: 11px/12px arial, sans-serif");
    // Whole numbers in plain decimal form, however large.
    EXPECT_EQ(FontShorthand(Font("Arial", 1e7f)), "FONT: 13000000px/15000000px arial, sans-serif");
}

TEST(FontShorthand, ItalicComesBeforeBoldAndUnderlineIsLeftOut) {
    EXPECT_EQ(FontShorthand(Font("Impact", 12, true, true)), "FONT: italic bold 16px/18px impact, sans-serif");
    EXPECT_EQ(FontShorthand(Font("Impact", 12, false, true)), "FONT: italic 16px/18px impact, sans-serif");
    EXPECT_EQ(FontShorthand(Font("Impact", 12, true, false)), "FONT: bold 16px/18px impact, sans-serif");
    ElementStyle underlined = Font("Impact", 12);
    underlined.FontUnderline = true;
    EXPECT_EQ(FontShorthand(underlined), "FONT: 16px/18px impact, sans-serif");
}

TEST(FontStack, EachFamilyLowerCasedAndQuotedWhenSpacedThenTheFallback) {
    EXPECT_EQ(FontStack("Andale Mono"), "\"andale mono\", monospace");
    EXPECT_EQ(FontStack("Trebuchet MS"), "\"trebuchet ms\", sans-serif");
    EXPECT_EQ(FontStack("Georgia"), "georgia, serif");
    EXPECT_EQ(FontStack("Webdings"), "webdings, symbols");
    // Outside the table, letter case included.
    EXPECT_EQ(FontStack("verdana"), "verdana, sans-serif");
    EXPECT_EQ(FontStack("georgia"), "verdana, sans-serif");
    EXPECT_EQ(FontStack("MS Sans Serif"), "verdana, sans-serif");
    EXPECT_EQ(FontStack("Comic Sans MS"), "verdana, sans-serif");
    EXPECT_EQ(FontStack(""), "verdana, sans-serif");
}

TEST(CssColor, PackedColoursAreWrittenRedFirst) {
    EXPECT_EQ(ColorToCssHex(8388608), "#000080");
    EXPECT_EQ(ColorToCssHex(49344), "#C0C000");
    EXPECT_EQ(ColorToCssHex(0), "#000000");
    EXPECT_EQ(ColorToCssHex(0x0A0B0C), "#0C0B0A");
    EXPECT_EQ(ColorToCssHex(16777215), "#FFFFFF");
    // A negative value is read as its eight two's-complement digits.
    EXPECT_EQ(ColorToCssHex(-1), "#FFFFFF");
    EXPECT_EQ(ColorToCssHex(-16777216), "#0000FF");  // FF000000
}

TEST(CssColor, HexTextReadsBackPacked) {
    EXPECT_EQ(ColorFromCssHex("#000080"), 8388608);
    EXPECT_EQ(ColorFromCssHex("#c0c000"), 49344);
    EXPECT_EQ(ColorFromCssHex("#FFFFFF"), 16777215);
    for (std::int32_t color : {0, 1, 255, 65280, 16711680, 12345678})
        EXPECT_EQ(ColorFromCssHex(ColorToCssHex(color)), color);
    for (const char* bad : {"000080", "#00080", "#0000800", "#00008G", "#-00080", "#+00080", "", "#"})
        EXPECT_FALSE(ColorFromCssHex(bad)) << bad;
}

}  // namespace
}  // namespace wk
