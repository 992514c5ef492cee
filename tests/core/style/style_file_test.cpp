#include "style/style_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "style/designer.h"
#include "support/temp_folder.h"

namespace wk {
namespace {

const char* const kDefaultFile =
    "8388608\r\nVerdana\r\n16776960\r\n9.75\r\nB\r\n"
    "16711680\r\nMS Sans Serif\r\n16776960\r\n9.75\r\nB\r\n"
    "16777215\r\nArial\r\n8388608\r\n9.75\r\nN\r\n"
    "16776960\r\nArial\r\n4194304\r\n9.75\r\nN\r\n"
    "8421376\r\nMS Sans Serif\r\n8388608\r\n9.75\r\nN\r\n";

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> DefaultLines() { return StyleFileLines(StyleSet{}); }

TEST(StyleFlags, BiuJoinsSetFlagsInOrderOrSaysN) {
    const char* expected[] = {"N", "U", "I", "IU", "B", "BU", "BI", "BIU"};  // by bold, italic, underline bits
    for (int bits = 0; bits < 8; ++bits) EXPECT_EQ(BIU(bits & 4, bits & 2, bits & 1), expected[bits]);
}

TEST(StyleSizeText, ShortestTextWithPointAndNoExponentThatReadsBackToTheSameFloat) {
    const std::pair<float, const char*> texts[] = {{9.75f, "9.75"}, {12.0f, "12"},         {14.25f, "14.25"},
                                                   {0.1f, "0.1"},   {16777216.0f, "16777216"}, {0.0001f, "0.0001"}};
    for (const auto& [size, text] : texts) EXPECT_EQ(SizeText(size), text);
    EXPECT_EQ(SizeText(1e20f).find_first_not_of("0123456789"), std::string::npos);
    StyleSet style;
    for (float size : {9.75f, 8.25f, 10.1f, 1.0f / 3.0f, 123456.789f, 7e-5f, 3.4e38f}) {
        style[Element::Menu].FontSize = size;
        StyleSet reloaded;
        reloaded[Element::Menu].FontSize = 1;
        ASSERT_TRUE(ApplyStyleLines(StyleFileLines(style), reloaded)) << SizeText(size);
        EXPECT_EQ(reloaded[Element::Menu].FontSize, size) << SizeText(size);
    }
}

TEST(StyleFile, DefaultsGiveTheTwentyFiveDefaultLines) {
    test::TempFolder folder;
    ASSERT_TRUE(SaveStyle(folder.path(), StyleSet{}));
    EXPECT_EQ(folder.read(kStyleFile), kDefaultFile);
    EXPECT_EQ(StyleFileText(StyleSet{}) + "\r\n", kDefaultFile);
}

TEST(StyleFile, SavedStyleLoadsBackWhole) {
    test::TempFolder folder;
    StyleSet style;
    style[Element::MenuBar] = {-1, 255, "Times New Roman", 14.25f, false, true, true};
    style[Element::MenuHighlight].BackColor = 49344;
    style[Element::MenuSpine].BackColor = 13056;
    ASSERT_TRUE(SaveStyle(folder.path(), style));
    StyleSet loaded;
    ASSERT_TRUE(LoadStyle(folder.path(), loaded));
    EXPECT_EQ(StyleFileText(loaded), StyleFileText(style));
    EXPECT_EQ(folder.read(kStyleFile).substr(0, 3), "-1\r");
}

TEST(StyleFile, FlagsAreFoundInAnyOrderAndCase) {
    std::vector<std::string> lines = DefaultLines();
    lines[4] = "IB";      // bar: bold and italic
    lines[9] = "bu";      // bar highlight: bold and underline
    lines[14] = "";       // menu: nothing
    lines[19] = "xyz N";  // menu highlight: only other letters
    StyleSet style;
    ASSERT_TRUE(ApplyStyleLines(lines, style));
    const ElementStyle& bar = style[Element::MenuBar];
    const ElementStyle& barHighlight = style[Element::MenuBarHighlight];
    EXPECT_TRUE(bar.FontBold && bar.FontItalic && !bar.FontUnderline);
    EXPECT_TRUE(barHighlight.FontUnderline && !barHighlight.FontItalic);
    for (Element e : {Element::Menu, Element::MenuHighlight})
        EXPECT_FALSE(style[e].FontBold || style[e].FontItalic || style[e].FontUnderline);
    // Written back in the one canonical order, the underline kept.
    const std::vector<std::string> saved = StyleFileLines(style);
    EXPECT_EQ(saved[4], "BI");
    EXPECT_EQ(saved[9], "BU");
    EXPECT_EQ(saved[14], "N");
}

TEST(StyleFile, SpineFontLinesAndLinesBeyondTheTwentyFifthAreNeverReadAndSaveRestoresThem) {
    test::TempFolder folder;
    std::vector<std::string> lines = DefaultLines();
    lines[1] = "Georgia";
    lines[20] = "255";  // the spine's colour is read
    lines[21] = "Impact";
    lines[22] = "0";
    lines[23] = "30";
    lines[24] = "BIU";
    for (int i = 0; i < 7; ++i) lines.push_back("extra " + std::to_string(i));
    folder.write(kStyleFile, Joined(lines));
    StyleSet style;
    ASSERT_TRUE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::MenuBar].FontName, "Georgia");
    EXPECT_EQ(style[Element::MenuSpine].BackColor, 255);
    ASSERT_TRUE(SaveStyle(folder.path(), style));
    const std::vector<std::string> saved = SplitLines(folder.read(kStyleFile));
    ASSERT_EQ(saved.size(), 25u);
    EXPECT_EQ(saved[20], "255");
    EXPECT_EQ(std::vector<std::string>(saved.begin() + 21, saved.end()),
              (std::vector<std::string>{"MS Sans Serif", "8388608", "9.75", "N"}));
}

TEST(StyleFileBadInput, AMissingOrEmptyFileChangesNothingAndAShortOneAppliesWhatItHas) {
    test::TempFolder folder;
    StyleSet style;
    style[Element::Menu].ForeColor = 123;
    style[Element::MenuSpine].BackColor = 456;
    const std::string before = StyleFileText(style);
    EXPECT_FALSE(LoadStyle(folder.path(), style));
    folder.write(kStyleFile, "");
    EXPECT_FALSE(LoadStyle(folder.path(), style));
    EXPECT_EQ(StyleFileText(style), before);
    std::vector<std::string> lines = DefaultLines();
    lines[0] = "255";
    lines[11] = "Georgia";  // the "Menu" font
    lines.resize(12);
    folder.write(kStyleFile, Joined(lines));
    EXPECT_FALSE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::MenuBar].BackColor, 255);
    EXPECT_EQ(style[Element::Menu].FontName, "Georgia");
    EXPECT_EQ(style[Element::Menu].ForeColor, 123);
    EXPECT_EQ(style[Element::MenuSpine].BackColor, 456);
}

TEST(StyleFileBadInput, AColourOrSizeThatIsNotANumberKeepsItsFieldWhileTheOtherLinesApply) {
    const std::pair<int, const char*> bad[] = {
        {0, "navy"}, {2, "12x"}, {5, "99999999999"},  // colours; the last out of range
        {3, "abc"},  {8, "-3"},  {13, "0"}, {18, "nan"}, {3, "inf"}, {8, "1e39"}};  // sizes; 1e39 is beyond a float
    for (const auto& [at, text] : bad) {
        std::vector<std::string> lines = DefaultLines();
        lines[at] = text;
        lines[10] = " 255 ";  // menu colour, blanks around it
        lines[11] = "Georgia";
        StyleSet style;
        for (ElementStyle& e : style.elements) e = {1, 2, "Font", 11, false, false, false};
        const std::string kept = StyleFileLines(style)[at];
        EXPECT_FALSE(ApplyStyleLines(lines, style)) << text;
        EXPECT_EQ(StyleFileLines(style)[at], kept) << text;
        EXPECT_EQ(style[Element::Menu].BackColor, 255) << text;
        EXPECT_EQ(style[Element::Menu].FontName, "Georgia") << text;
        EXPECT_TRUE(style[Element::MenuBar].FontBold) << text;
    }
    // A decimal comma is read as a point.
    std::vector<std::string> lines = DefaultLines();
    lines[13] = "8,25";
    StyleSet style;
    EXPECT_TRUE(ApplyStyleLines(lines, style));
    EXPECT_EQ(style[Element::Menu].FontSize, 8.25f);
}

TEST(StyleNumbers, ReadAndWriteAPointUnderALocaleWithADecimalComma) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing: run scripts/install-deps.sh, which generates it";
    test::TempFolder folder;
    folder.write(kStyleFile, kDefaultFile);
    StyleSet style;
    style[Element::Menu].FontSize = 12.0f;  // so a size not read shows
    EXPECT_TRUE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::Menu].FontSize, 9.75f);
    EXPECT_EQ(TypedSize("9.75"), 9.75f);  // the designer's size box
    EXPECT_EQ(SizeText(9.75f), "9.75");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace wk
