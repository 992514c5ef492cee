#include "app/commands_style.h"

#include <gtest/gtest.h>

#include "ground/file_routines.h"
#include "app/commands_settings.h"
#include "app/startup.h"
#include "style/palette.h"
#include "style/style_file.h"
#include "support/scratch_workspace.h"

namespace wk {
namespace {

class Designer : public ::testing::Test, protected test::ScratchWorkspace {
protected:
    bool Saved() const { return folder.exists(kStyleFile); }
    // Forgets the last save, so the next one can be seen.
    void ForgetSave() { std::remove(folder.file(kStyleFile).c_str()); }
    std::string StoredText() const { return folder.read(kStyleFile); }
    void Show(const std::string& element) {
        SetElementText(ws, element);
        ForgetSave();
    }
};

TEST_F(Designer, ClickingASampleShowsItsElementInEveryControl) {
    ws.style[Element::Menu] = {255, 65280, "Georgia", 14.25f, false, true, false};
    ClickSample(ws, Element::Menu);
    const DesignerState& d = ws.designer;
    EXPECT_EQ(std::tuple(d.elementText, d.backColor, d.foreColor, d.fontText, d.sizeText, d.bold, d.italic),
              std::tuple("Menu", 255, 65280, "Georgia", "14.25", false, true));
    EXPECT_TRUE(d.backEnabled && d.foreEnabled && d.fontEnabled && d.sizeStyleEnabled);
    ClickSample(ws, Element::MenuSpine);
    EXPECT_FALSE(d.foreEnabled);
}

TEST_F(Designer, ControlsTakingNewValuesSaveAndSameValuesDoNot) {
    // The initial controls show 9.75 and no bold: showing the bold "Menu Bar"
    // ticks the bold box, which saves the defaults.
    SelectElement(ws);
    EXPECT_TRUE(ws.designer.bold);
    EXPECT_EQ(StoredText(), StyleFileText(StyleSet{}) + "\r\n");
    ForgetSave();
    SelectElement(ws);
    EXPECT_FALSE(Saved());
    // "Menu" is not bold: unticking saves again.
    SetElementText(ws, "Menu");
    EXPECT_TRUE(Saved());
    ForgetSave();
    SetElementText(ws, "Menu Highlight");  // same size, bold and italic as "Menu"
    EXPECT_FALSE(Saved());
    EXPECT_EQ(StyleFileText(ws.style), StyleFileText(StyleSet{}));
}

TEST_F(Designer, ShowingTheSpineSwitchesOffItsFontAndTextColourGroups) {
    SetElementText(ws, "Menu Bar");
    ws.designer.fontText = "Impact";
    ws.designer.sizeText = "11";
    ForgetSave();
    SetElementText(ws, "Menu Spine");
    const DesignerState& d = ws.designer;
    EXPECT_FALSE(d.bold || d.italic || d.foreEnabled || d.fontEnabled || d.sizeStyleEnabled);
    EXPECT_TRUE(d.backEnabled);
    EXPECT_EQ(std::tuple(d.backColor, d.foreColor, d.fontText, d.sizeText),
              std::tuple(8421376, kSpineTextBoxColor, "Impact", "11"));
    // Unticking bold saved, but changed no element.
    EXPECT_TRUE(Saved());
    EXPECT_EQ(StyleFileText(ws.style), StyleFileText(StyleSet{}));
    // Back to a font element: everything is available again.
    SetElementText(ws, "Menu");
    EXPECT_TRUE(d.foreEnabled && d.fontEnabled && d.sizeStyleEnabled);
    EXPECT_EQ(d.foreColor, 8388608);
}

TEST_F(Designer, ElementTextIsComparedExactly) {
    SetElementText(ws, "Menu Bar");
    SetElementText(ws, "Menu");
    SetElementText(ws, "Menu H");  // typing on: still showing "Menu"
    EXPECT_EQ(ws.designer.backColor, 16777215);
    SetElementText(ws, "Menu ");
    SetElementText(ws, "menu bar");
    EXPECT_EQ(ws.designer.backColor, 16777215);
    EXPECT_TRUE(prompt.asked.empty());
    CheckElementEntry(ws);
    ASSERT_EQ(prompt.count("message"), 1u);
    EXPECT_NE(prompt.asked[0].text.find("menu bar"), std::string::npos);
    SetElementText(ws, "Menu Highlight");
    EXPECT_EQ(ws.designer.backColor, 16776960);
    CheckElementEntry(ws);
    EXPECT_EQ(prompt.count("message"), 1u);
}

TEST_F(Designer, OperationsOnAnUnknownElementOrTheSpinesFontChangeNothingButSave) {
    // The unknown element with the background target, the spine with the text target.
    for (const auto& [element, box] : {std::pair("Menux", ColorBox::Background), {"Menu Spine", ColorBox::Text}}) {
        Show(element);
        ApplyFontChoice(ws, "Impact");
        ApplySize(ws, "20");
        ApplyBold(ws, false);
        ApplyItalic(ws, true);
        TogglePalette(ws, box);
        PickSwatch(ws, 12);
        EXPECT_EQ(ws.designer.fontText, "Impact");
        EXPECT_EQ(StyleFileText(ws.style), StyleFileText(StyleSet{})) << element;
        EXPECT_TRUE(Saved());
    }
}

TEST_F(Designer, AFontHeadingChoosesTheFirstFontOfItsGroupAndAFontOutsideTheListBecomesVerdanaWithATip) {
    Show("Menu");
    const std::pair<const char*, const char*> choices[] = {
        {"[SERIF]:", "Georgia"}, {"[MONOSPACE]:", "Andale Mono"}, {"[SANS SERIF]:", "Arial"}, {"[SYMBOLS]:", "Symbol"},
        {"Courier New", "Courier New"}, {"Webdings", "Webdings"}, {"Comic Sans MS", "Verdana"}};
    for (const auto& [entry, font] : choices) {
        ForgetSave();
        ApplyFontChoice(ws, entry);
        EXPECT_EQ(ws.designer.fontText, font) << entry;
        EXPECT_EQ(ws.style[Element::Menu].FontName, font) << entry;
        EXPECT_TRUE(Saved());
        EXPECT_EQ(ws.designer.requestedTipIndex, std::string_view(entry) == "Comic Sans MS" ? 11 : -1) << entry;
    }
}

TEST_F(Designer, OnlyALeadingNumberAMenuCanUseBecomesTheSize) {
    Show("Menu Bar");
    // The partial texts of typing ("1" on the way to "14") change nothing either.
    for (const char* text : {"0", "-3", "abc", "", ".", "-0.5", "1e50", "1", "5.99", "48.01"}) {
        ForgetSave();
        ApplySize(ws, text);
        EXPECT_EQ(ws.style[Element::MenuBar].FontSize, 9.75f) << text;
        EXPECT_EQ(ws.designer.sizeText, text);
        EXPECT_TRUE(Saved()) << text;
    }
    for (const auto& [text, size] : {std::pair("6", 6.0f), {"14", 14.0f}, {"48", 48.0f}, {" 1 2.5pt", 12.5f}}) {
        ApplySize(ws, text);
        EXPECT_EQ(ws.style[Element::MenuBar].FontSize, size) << text;
    }
    EXPECT_EQ(SplitLines(StoredText())[3], "12.5");
}

// Enter or leaving the box: a text that is no usable size is refused and the stored size shows again.
TEST_F(Designer, EndingASizeEntryRefusesWhatAMenuCannotUseAndShowsTheStoredSize) {
    Show("Menu");
    const std::pair<const char*, bool> entries[] = {{"60", true}, {"abc", true}, {"", true}, {"5", true},
                                                    {"12", false}, {"9.75", false}};
    for (const auto& [text, refused] : entries) {
        prompt.asked.clear();
        const std::string before = ws.designer.sizeText;
        // Typed key by key: "60" passes through "6", which a refusal takes back too.
        for (std::size_t keys = 1; keys <= std::string_view(text).size(); ++keys)
            ApplySize(ws, std::string(text, keys));
        if (!*text) ApplySize(ws, text);
        EndSizeEntry(ws);
        EXPECT_EQ(prompt.count("message"), refused ? 1u : 0u) << text;
        EXPECT_EQ(ws.designer.sizeText, refused ? before : text) << text;
        EXPECT_EQ(SizeText(ws.style[Element::Menu].FontSize), ws.designer.sizeText) << text;
    }
    // A size stored outside the range (an older menu.ufm) shown as it is refuses nothing.
    ws.style[Element::Menu].FontSize = 72;
    Show("Menu Bar");
    Show("Menu");
    prompt.asked.clear();
    EndSizeEntry(ws);
    EXPECT_EQ(prompt.count("message"), 0u);
    EXPECT_EQ(ws.designer.sizeText, "72");
}

TEST_F(Designer, ReselectingShowsTheStoredSizeAndReappliesIt) {
    ws.style[Element::Menu].FontSize = 12;
    ws.designer.sizeText = "9.75";
    Show("Menu Bar");
    EXPECT_EQ(ws.designer.sizeText, "9.75");
    SetElementText(ws, "Menu");
    EXPECT_EQ(ws.designer.sizeText, "12");
    EXPECT_EQ(ws.style[Element::Menu].FontSize, 12.0f);
    EXPECT_TRUE(Saved());
}

TEST_F(Designer, BoldAndItalicFollowTheirBoxes) {
    Show("Menu Highlight");
    ApplyBold(ws, true);
    ApplyItalic(ws, true);
    EXPECT_TRUE(ws.style[Element::MenuHighlight].FontBold && ws.style[Element::MenuHighlight].FontItalic);
    EXPECT_EQ(SplitLines(StoredText())[19], "BI");
    ApplyBold(ws, false);
    EXPECT_FALSE(ws.style[Element::MenuHighlight].FontBold);
    EXPECT_EQ(SplitLines(StoredText())[19], "I");
    EXPECT_FALSE(ws.style[Element::Menu].FontItalic);
}

TEST_F(Designer, PaletteOpensClosesAndMovesBetweenBoxesAndKeepsItsTarget) {
    using State = std::pair<std::optional<ColorBox>, ColorBox>;  // where it is open, its colour target
    const DesignerState& d = ws.designer;
    EXPECT_EQ(d.paletteUnder, std::nullopt);
    TogglePalette(ws, ColorBox::Background);
    EXPECT_EQ(State(d.paletteUnder, d.colorTarget), State(ColorBox::Background, ColorBox::Background));
    TogglePalette(ws, ColorBox::Background);
    EXPECT_EQ(State(d.paletteUnder, d.colorTarget), State(std::nullopt, ColorBox::Background));
    TogglePalette(ws, ColorBox::Background);
    TogglePalette(ws, ColorBox::Text);
    EXPECT_EQ(State(d.paletteUnder, d.colorTarget), State(ColorBox::Text, ColorBox::Text));
    TogglePalette(ws, ColorBox::Text);
    EXPECT_EQ(d.paletteUnder, std::nullopt);
    EXPECT_FALSE(Saved());
}

TEST_F(Designer, PickingASwatchColoursTheBoxAndTheElement) {
    Show("Menu Bar Highlight");
    TogglePalette(ws, ColorBox::Background);
    PickSwatch(ws, 43);
    EXPECT_EQ(ws.designer.paletteUnder, std::nullopt);
    EXPECT_EQ(ws.designer.backColor, 51);
    EXPECT_EQ(ws.style[Element::MenuBarHighlight].BackColor, 51);
    EXPECT_EQ(SplitLines(StoredText())[5], "51");
    TogglePalette(ws, ColorBox::Text);
    PickSwatch(ws, 12);
    EXPECT_EQ(ws.designer.foreColor, 16711680);
    EXPECT_EQ(ws.style[Element::MenuBarHighlight].ForeColor, 16711680);
    EXPECT_EQ(ws.designer.backColor, 51);
}

TEST_F(Designer, WithKeyboardMenusAHardToReadPairIsPointedOutNotRefused) {
    const auto pick = [&](ColorBox box, std::int32_t color) {
        TogglePalette(ws, box);
        PickColor(ws, color);
    };
    Show("Menu Highlight");
    pick(ColorBox::Background, 0x777777);
    pick(ColorBox::Text, 0xFFFFFF);
    EXPECT_EQ(ws.style[Element::MenuHighlight].BackColor, 0x777777);  // kept as picked
    EXPECT_EQ(ws.designer.contrastNote, "");                           // the option is off
    SetKeyboardMenus(ws, true);
    EXPECT_EQ(ws.designer.contrastNote, "Menu Highlight: text on background 4.4:1, below the 4.5:1 most readers need");
    pick(ColorBox::Background, 0x000000);
    EXPECT_EQ(ws.designer.contrastNote, "");
    pick(ColorBox::Background, 0xEEEEEE);
    EXPECT_NE(ws.designer.contrastNote, "");
    SetKeyboardMenus(ws, false);
    EXPECT_EQ(ws.designer.contrastNote, "");
}

TEST_F(Designer, TheSpineTakesOnlyABackgroundColourAndATextColourPickChangesNothingButSaves) {
    Show("Menu");
    TogglePalette(ws, ColorBox::Text);  // opened for the text colour ...
    Show("Menu Spine");                 // ... then the element changed
    const std::string before = StyleFileText(ws.style);
    PickSwatch(ws, 7);
    EXPECT_EQ(StyleFileText(ws.style), before);
    EXPECT_TRUE(Saved());
    EXPECT_EQ(ws.designer.paletteUnder, std::nullopt);
    TogglePalette(ws, ColorBox::Background);
    PickSwatch(ws, 13);
    EXPECT_EQ(ws.style[Element::MenuSpine].BackColor, 13056);
    EXPECT_EQ(SplitLines(StoredText())[20], "13056");
}

TEST_F(Designer, AnEmptyColourTargetMeansTheTextColour) {
    Show("Menu");
    PickSwatch(ws, 12);  // palette never opened: no box takes the colour
    EXPECT_EQ(ws.style[Element::Menu].ForeColor, 16711680);
    EXPECT_EQ(ws.style[Element::Menu].BackColor, 16777215);
    EXPECT_EQ(ws.designer.foreColor, 8388608);
}

TEST_F(Designer, SwatchesOutsideThePaletteAreIgnoredAndScrollingStaysWithinIt) {
    Show("Menu");
    TogglePalette(ws, ColorBox::Background);
    PickSwatch(ws, kSwatchCount);
    PickSwatch(ws, -1);
    EXPECT_EQ(ws.designer.paletteUnder, ColorBox::Background);
    for (const auto& [value, scroll] : {std::pair(211, 211), {500, kPaletteScrollMax}, {-4, 0}}) {
        ScrollPalette(ws, value);
        EXPECT_EQ(ws.designer.scroll, scroll);
    }
    EXPECT_FALSE(Saved());
}

TEST_F(Designer, AFailedSaveIsSaidOnceAndTheStyleStays) {
    Workspace broken(folder.file("missing/deeper/"), prompt);
    SetElementText(broken, "Menu");
    ApplyBold(broken, true);
    ApplyItalic(broken, true);
    EXPECT_TRUE(broken.style[Element::Menu].FontBold);
    EXPECT_EQ(broken.notices.size(), 1u);
}

TEST_F(Designer, StartUpLoadsTheStyleAndShowsTheFirstElement) {
    StyleSet stored;
    stored[Element::MenuBar].FontName = "Georgia";
    stored[Element::MenuBar].FontItalic = true;
    ASSERT_TRUE(SaveStyle(folder.path(), stored));
    StartUp(ws);
    EXPECT_EQ(ws.designer.fontText, "Georgia");
    EXPECT_TRUE(ws.designer.italic);
    EXPECT_EQ(StyleFileText(ws.style), StyleFileText(stored));
}

}  // namespace
}  // namespace wk
