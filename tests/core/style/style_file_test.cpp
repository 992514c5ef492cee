#include "style/style_file.h"

#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_EQ(BIU(false, false, false), "N");
    EXPECT_EQ(BIU(true, false, false), "B");
    EXPECT_EQ(BIU(true, true, false), "BI");
    EXPECT_EQ(BIU(true, true, true), "BIU");
    EXPECT_EQ(BIU(false, true, true), "IU");
    EXPECT_EQ(BIU(false, false, true), "U");
}

TEST(StyleSizeText, ShortestTextWithPointAndNoExponent) {
    EXPECT_EQ(SizeText(9.75f), "9.75");
    EXPECT_EQ(SizeText(12.0f), "12");
    EXPECT_EQ(SizeText(14.25f), "14.25");
    EXPECT_EQ(SizeText(0.1f), "0.1");
    EXPECT_EQ(SizeText(16777216.0f), "16777216");
    EXPECT_EQ(SizeText(1e20f).find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(SizeText(0.0001f), "0.0001");
}

TEST(StyleSizeText, ReadsBackToTheSameFloat) {
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

TEST(StyleFile, MissingFileChangesNothing) {
    test::TempFolder folder;
    StyleSet style;
    style[Element::Menu].FontName = "Georgia";
    EXPECT_FALSE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::Menu].FontName, "Georgia");
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
    EXPECT_EQ(loaded[Element::MenuBar].BackColor, -1);
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
    EXPECT_TRUE(style[Element::MenuBar].FontBold);
    EXPECT_TRUE(style[Element::MenuBar].FontItalic);
    EXPECT_FALSE(style[Element::MenuBar].FontUnderline);
    EXPECT_TRUE(style[Element::MenuBarHighlight].FontUnderline);
    EXPECT_FALSE(style[Element::MenuBarHighlight].FontItalic);
    for (Element e : {Element::Menu, Element::MenuHighlight}) {
        EXPECT_FALSE(style[e].FontBold || style[e].FontItalic || style[e].FontUnderline);
    }
    // Written back in the one canonical order, the underline kept.
    const std::vector<std::string> saved = StyleFileLines(style);
    EXPECT_EQ(saved[4], "BI");
    EXPECT_EQ(saved[9], "BU");
    EXPECT_EQ(saved[14], "N");
}

TEST(StyleFile, SpineFontLinesAreNeverReadAndSaveRestoresThem) {
    test::TempFolder folder;
    std::vector<std::string> lines = DefaultLines();
    lines[20] = "255";  // the spine's colour is read
    lines[21] = "Impact";
    lines[22] = "0";
    lines[23] = "30";
    lines[24] = "BIU";
    folder.write(kStyleFile, Joined(lines));
    StyleSet style;
    ASSERT_TRUE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::MenuSpine].BackColor, 255);
    ASSERT_TRUE(SaveStyle(folder.path(), style));
    const std::vector<std::string> saved = SplitLines(folder.read(kStyleFile));
    ASSERT_EQ(saved.size(), 25u);
    EXPECT_EQ(saved[20], "255");
    EXPECT_EQ(std::vector<std::string>(saved.begin() + 21, saved.end()),
              (std::vector<std::string>{"MS Sans Serif", "8388608", "9.75", "N"}));
}

TEST(StyleFile, LongerFileLoadsAndIsCutBackToTwentyFiveLines) {
    test::TempFolder folder;
    std::vector<std::string> lines = DefaultLines();
    lines[1] = "Georgia";
    for (int i = 0; i < 7; ++i) lines.push_back("extra " + std::to_string(i));
    folder.write(kStyleFile, Joined(lines));
    StyleSet style;
    ASSERT_TRUE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::MenuBar].FontName, "Georgia");
    ASSERT_TRUE(SaveStyle(folder.path(), style));
    EXPECT_EQ(SplitLines(folder.read(kStyleFile)).size(), 25u);
}

TEST(StyleFileBadInput, ShortFileAppliesWhatItHasAndKeepsTheRest) {
    test::TempFolder folder;
    std::vector<std::string> lines = DefaultLines();
    lines[0] = "255";
    lines[11] = "Georgia";  // the "Menu" font
    lines.resize(12);
    folder.write(kStyleFile, Joined(lines));
    StyleSet style;
    style[Element::Menu].ForeColor = 123;
    style[Element::MenuSpine].BackColor = 456;
    EXPECT_FALSE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::MenuBar].BackColor, 255);
    EXPECT_EQ(style[Element::Menu].FontName, "Georgia");
    EXPECT_EQ(style[Element::Menu].ForeColor, 123);
    EXPECT_EQ(style[Element::MenuSpine].BackColor, 456);
}

TEST(StyleFileBadInput, EmptyFileChangesNothing) {
    test::TempFolder folder;
    folder.write(kStyleFile, "");
    StyleSet style;
    style[Element::Menu].FontSize = 20;
    EXPECT_FALSE(LoadStyle(folder.path(), style));
    EXPECT_EQ(style[Element::Menu].FontSize, 20);
    EXPECT_EQ(style[Element::MenuBar].FontName, "Verdana");
}

TEST(StyleFileBadInput, LinesThatAreNotNumbersKeepTheirFieldsOnly) {
    std::vector<std::string> lines = DefaultLines();
    lines[0] = "navy";         // bar colour
    lines[2] = "12x";          // bar text colour
    lines[3] = "abc";          // bar size
    lines[8] = "-3";           // bar highlight size
    lines[13] = "0";           // menu size
    lines[18] = "nan";         // menu highlight size
    lines[5] = "99999999999";  // bar highlight colour: out of range
    lines[10] = " 255 ";       // menu colour, blanks around it
    lines[11] = "Georgia";
    StyleSet style;
    style[Element::MenuBar].BackColor = 1;
    style[Element::MenuBar].ForeColor = 2;
    style[Element::MenuBar].FontSize = 11;
    style[Element::MenuBarHighlight].FontSize = 12;
    style[Element::MenuBarHighlight].BackColor = 3;
    style[Element::Menu].FontSize = 13;
    style[Element::MenuHighlight].FontSize = 14;
    EXPECT_FALSE(ApplyStyleLines(lines, style));
    EXPECT_EQ(style[Element::MenuBar].BackColor, 1);
    EXPECT_EQ(style[Element::MenuBar].ForeColor, 2);
    EXPECT_EQ(style[Element::MenuBar].FontSize, 11);
    EXPECT_EQ(style[Element::MenuBarHighlight].FontSize, 12);
    EXPECT_EQ(style[Element::MenuBarHighlight].BackColor, 3);
    EXPECT_EQ(style[Element::Menu].FontSize, 13);
    EXPECT_EQ(style[Element::MenuHighlight].FontSize, 14);
    // The valid lines still apply.
    EXPECT_EQ(style[Element::Menu].BackColor, 255);
    EXPECT_EQ(style[Element::Menu].FontName, "Georgia");
    EXPECT_TRUE(style[Element::MenuBar].FontBold);
}

TEST(StyleFileBadInput, InfiniteSizeIsRefusedAndCommaSeparatorIsRead) {
    std::vector<std::string> lines = DefaultLines();
    lines[3] = "inf";
    lines[8] = "1e39";  // beyond a float
    lines[13] = "8,25";
    StyleSet style;
    EXPECT_FALSE(ApplyStyleLines(lines, style));
    EXPECT_EQ(style[Element::MenuBar].FontSize, 9.75f);
    EXPECT_EQ(style[Element::MenuBarHighlight].FontSize, 9.75f);
    EXPECT_EQ(style[Element::Menu].FontSize, 8.25f);
}

TEST(StyleElements, NamesAreExactAndInFileOrder) {
    const char* names[] = {"Menu Bar", "Menu Bar Highlight", "Menu", "Menu Highlight", "Menu Spine"};
    for (int i = 0; i < kElementCount; ++i) {
        EXPECT_EQ(ElementName(kAllElements[i]), names[i]);
        EXPECT_EQ(ElementFromName(names[i]), kAllElements[i]);
    }
    EXPECT_FALSE(ElementFromName("menu bar"));
    EXPECT_FALSE(ElementFromName("Menu "));
    EXPECT_FALSE(ElementFromName(""));
    EXPECT_FALSE(IsFontElement(Element::MenuSpine));
    EXPECT_TRUE(IsFontElement(Element::MenuHighlight));
}

}  // namespace
}  // namespace wk
