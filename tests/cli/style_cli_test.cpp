#include <gtest/gtest.h>

#include "run_cli.h"

namespace wk {
namespace {

using test::CliRun;
using test::RunCliWithApp;
using test::TempFolder;

const char* const kDefaultStyle =
    "8388608\nVerdana\n16776960\n9.75\nB\n"
    "16711680\nMS Sans Serif\n16776960\n9.75\nB\n"
    "16777215\nArial\n8388608\n9.75\nN\n"
    "16776960\nArial\n4194304\n9.75\nN\n"
    "8421376\nMS Sans Serif\n8388608\n9.75\nN\n";

std::string CrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(StyleCommand, PrintsTheDefaultsWithoutWritingAFile) {
    TempFolder app;
    const CliRun run = RunCliWithApp(app, {"style"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kDefaultStyle);
    EXPECT_FALSE(app.exists("menu.ufm"));
}

TEST(StyleCommand, PrintsTheStoredStyle) {
    TempFolder app;
    std::string stored = kDefaultStyle;
    stored.replace(0, 7, "255");  // "Menu Bar" background
    app.write("menu.ufm", CrLf(stored));
    const CliRun run = RunCliWithApp(app, {"style"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, stored);
}

TEST(CssCommand, PrintsTheSheetForTheStoredStyleWithNoLineBreak) {
    TempFolder app;
    CliRun run = RunCliWithApp(app, {"css"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\n'), std::string::npos);
    EXPECT_EQ(run.out.substr(0, 20), "a br, a:hover br {fl");
    const std::string lastRule = "UNKNOWN {VISIBILITY: hidden; HEIGHT: 1px} ";
    ASSERT_GT(run.out.size(), lastRule.size());
    EXPECT_EQ(run.out.substr(run.out.size() - lastRule.size()), lastRule);
    EXPECT_NE(run.out.find("DIV#mb {HEIGHT: 15px;"), std::string::npos);

    ASSERT_EQ(RunCliWithApp(app, {"style", "set", "Menu", "--size", "14.25", "--back", "#336699"}).status, 0);
    run = RunCliWithApp(app, {"css"});
    EXPECT_NE(run.out.find("DIV#mb {HEIGHT: 21px;"), std::string::npos);
    EXPECT_NE(run.out.find("div#mb div.mi:hover table {background: #336699;"), std::string::npos);
}

TEST(StyleSetCommand, ChangesOneElementAndSaves) {
    TempFolder app;
    const CliRun run = RunCliWithApp(app, {"style", "set", "Menu Highlight", "--italic", "on", "--font", "[SERIF]:",
                                           "--size", "12", "--bold", "on", "--back", "#FF0000", "--fore", "#00ff80"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(RunCliWithApp(app, {"style"}).out);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 15, lines.begin() + 20),
              (std::vector<std::string>{"255", "Georgia", "8453888", "12", "BI"}));
    // The other elements keep their defaults.
    std::vector<std::string> others = Lines(kDefaultStyle);
    for (int i = 15; i < 20; ++i) others[i] = lines[i];
    EXPECT_EQ(lines, others);
    // The file holds the same lines, each ended by CR LF.
    EXPECT_EQ(app.read("menu.ufm"), CrLf(RunCliWithApp(app, {"style"}).out));
}

TEST(StyleSetCommand, WithoutOptionsStillWritesTheFile) {
    TempFolder app;
    const CliRun run = RunCliWithApp(app, {"style", "set", "Menu"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(app.read("menu.ufm"), CrLf(kDefaultStyle));
}

TEST(StyleSetCommand, SizeThatIsNotPositiveIsIgnoredWithANote) {
    TempFolder app;
    for (const char* size : {"abc", "0", "-4", "1e50"}) {
        const CliRun run = RunCliWithApp(app, {"style", "set", "Menu Bar", "--size", size});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("not a positive number"), std::string::npos) << size;
    }
    EXPECT_EQ(Lines(RunCliWithApp(app, {"style"}).out)[3], "9.75");
}

TEST(StyleSetCommand, UnlistedFontBecomesVerdana) {
    TempFolder app;
    const CliRun run = RunCliWithApp(app, {"style", "set", "Menu", "--font", "verdana"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("not in the font list"), std::string::npos);
    EXPECT_EQ(Lines(RunCliWithApp(app, {"style"}).out)[11], "Verdana");
}

TEST(StyleSetCommand, SpineTakesOnlyItsBackground) {
    TempFolder app;
    const CliRun run =
        RunCliWithApp(app, {"style", "set", "Menu Spine", "--fore", "#FFFFFF", "--bold", "on", "--back", "#C0C000"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("--fore changes nothing"), std::string::npos);
    EXPECT_NE(run.err.find("--bold changes nothing"), std::string::npos);
    const std::vector<std::string> lines = Lines(RunCliWithApp(app, {"style"}).out);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 20, lines.end()),
              (std::vector<std::string>{"49344", "MS Sans Serif", "8388608", "9.75", "N"}));
}

TEST(StyleSetCommand, UnknownElementIsRefused) {
    TempFolder app;
    const CliRun run = RunCliWithApp(app, {"style", "set", "menu bar", "--bold", "off"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Incorrect Element Entry: Check the dropdown list for the Element: menu bar\n");
    EXPECT_FALSE(app.exists("menu.ufm"));
}

TEST(StyleSetCommand, MalformedValuesAreUsageErrorsAndWriteNothing) {
    TempFolder app;
    for (const auto& words : std::vector<std::vector<std::string>>{{"style", "set", "Menu", "--back", "#12345"},
                                                                  {"style", "set", "Menu", "--fore", "red"},
                                                                  {"style", "set", "Menu", "--back", "123456"},
                                                                  {"style", "set", "Menu", "--bold", "yes"},
                                                                  {"style", "set", "Menu", "--italic"},
                                                                  {"style", "set", "Menu", "--underline", "on"},
                                                                  {"style", "set"},
                                                                  {"style", "set", "Menu", "Bar"},
                                                                  {"style", "extra"},
                                                                  {"css", "extra"}}) {
        const CliRun run = RunCliWithApp(app, words);
        EXPECT_EQ(run.status, 2) << words.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(app.exists("menu.ufm"));
}

}  // namespace
}  // namespace wk
