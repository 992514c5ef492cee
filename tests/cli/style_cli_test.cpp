// The style commands run as a user runs them. The file layout and the sheet
// are the core's to test; here: the options taken, what is printed, the exit status.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "run_cli.h"

namespace wk {
namespace {

using test::CliRun;
using test::TempFolder;
using StyleCommand = test::CliTest;
using CssCommand = test::CliTest;
using StyleSetCommand = test::CliTest;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string CrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

TEST_F(StyleCommand, PrintsTheFileLinesWithoutWritingAndSetAlwaysWrites) {
    const CliRun shown = Run({"style"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(Lines(shown.out).size(), 25u);
    EXPECT_FALSE(app.exists("menu.ufm"));
    // Even without an option that changes a value.
    ASSERT_EQ(Run({"style", "set", "Menu"}).status, 0);
    EXPECT_EQ(app.read("menu.ufm"), CrLf(shown.out));
}

TEST_F(CssCommand, PrintsTheSheetForTheStoredStyle) {
    ASSERT_EQ(Run({"style", "set", "Menu", "--size", "14.25", "--back", "#336699"}).status, 0);
    const CliRun run = Run({"css"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("DIV#mb {HEIGHT: 21px;"), std::string::npos);
    EXPECT_NE(run.out.find("div#mb div.mi:hover table {background: #336699;"), std::string::npos);
}

TEST_F(CssCommand, KeyboardMenusFollowTheStoredOptionAndStyleSetPointsOutHardToReadColours) {
    const CliRun grey = Run({"style", "set", "Menu Bar", "--back", "#777777", "--fore", "#FFFFFF"});
    EXPECT_EQ(grey.status, 0);
    EXPECT_EQ(grey.err, "");  // the note comes with keyboard menus only
    ASSERT_EQ(Run({"options", "set", "--keyboard-menus", "on"}).status, 0);
    ASSERT_EQ(Run({"menu", "add", "menu", "A", "www.a.com"}).status, 0);
    EXPECT_NE(Run({"css"}).out.find("div#mb div.mi:focus-within table {"), std::string::npos);
    EXPECT_NE(Run({"capsule"}).out.find("<DIV class=mi tabindex=0>"), std::string::npos);
    const CliRun noted = Run({"style", "set", "Menu Bar", "--bold", "on"});
    EXPECT_EQ(noted.status, 0);
    EXPECT_EQ(noted.err, "Menu Bar: text on background 4.4:1, below the 4.5:1 most readers need\n");
    EXPECT_EQ(Lines(Run({"style"}).out)[0], "7829367");  // pointed out, not refused
}

TEST_F(StyleSetCommand, ChangesOneElementAndSaves) {
    const std::vector<std::string> before = Lines(Run({"style"}).out);
    const CliRun run = Run({"style", "set", "Menu Highlight", "--italic", "on", "--font", "[SERIF]:", "--size", "12",
                            "--bold", "on", "--back", "#FF0000", "--fore", "#00ff80"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string shown = Run({"style"}).out;
    std::vector<std::string> expected = before;
    expected.erase(expected.begin() + 15, expected.begin() + 20);
    expected.insert(expected.begin() + 15, {"255", "Georgia", "8453888", "12", "BI"});
    EXPECT_EQ(Lines(shown), expected);
    EXPECT_EQ(app.read("menu.ufm"), CrLf(shown));
}

TEST_F(StyleSetCommand, ASizeOrFontTheDesignerWouldNotApplyRefusesTheWholeCommand) {
    for (const auto& [option, value] : std::vector<std::pair<std::string, std::string>>{
             {"--size", "abc"}, {"--size", "0"}, {"--size", "-4"}, {"--size", "1e50"}, {"--size", "5.5"},
             {"--size", "48.5"},
             {"--font", "verdana"}, {"--font", "Courier"}}) {
        // The valid changes before it are not saved either.
        const CliRun run = Run({"style", "set", "Menu Bar", "--back", "#FF0000", "--bold", "off", option, value});
        EXPECT_TRUE(test::FailsNaming(run, option + " " + value));
        EXPECT_NE(run.err.find(app.file("menu.ufm")), std::string::npos) << run.err;
    }
    EXPECT_FALSE(app.exists("menu.ufm"));
}

TEST_F(StyleSetCommand, SpineTakesOnlyItsBackgroundAndSaysSo) {
    const CliRun run = Run({"style", "set", "Menu Spine", "--fore", "#FFFFFF", "--bold", "on", "--back", "#C0C000"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("--fore changes nothing"), std::string::npos);
    EXPECT_NE(run.err.find("--bold changes nothing"), std::string::npos);
    EXPECT_EQ(Lines(Run({"style"}).out)[20], "49344");
}

TEST_F(StyleSetCommand, BadElementsAndMalformedValuesWriteNothing) {
    EXPECT_TRUE(test::FailsNaming(Run({"style", "set", "menu bar", "--bold", "off"}), "menu bar"));
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"style", "set", "Menu", "--back", "#12345"}, {"style", "set", "Menu", "--fore", "red"},
             {"style", "set", "Menu", "--back", "123456"}, {"style", "set", "Menu", "--bold", "yes"},
             {"style", "set", "Menu", "--italic"}, {"style", "set", "Menu", "--underline", "on"}, {"style", "set"},
             {"style", "set", "Menu", "Bar"}, {"style", "extra"}, {"css", "extra"}}) {
        const CliRun run = Run(words);
        EXPECT_EQ(run.status, 2) << words.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(app.exists("menu.ufm"));
}

}  // namespace
}  // namespace wk
