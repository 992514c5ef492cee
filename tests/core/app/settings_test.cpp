#include "app/settings.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <utility>

#include "app/commands_settings.h"
#include "app/install_layout.h"
#include "app/startup.h"
#include "failing_file_system.h"
#include "scratch_workspace.h"

namespace wk {
namespace {

using test::TempFolder;

using StartedWorkspace = test::ScratchWorkspace;

// Each test with a fresh settings folder and workspace.
class SettingsCommands : public ::testing::Test, protected StartedWorkspace {};
using StartingUp = SettingsCommands;
using LoadingSettings = SettingsCommands;
using SavingASetting = SettingsCommands;

TEST(ApplicationFolder, OptionThenEnvironmentThenOwnFolderThenConfigFolder) {
    TempFolder exe, config;
    EXPECT_EQ(ResolveApplicationFolder({"/opt/a", "/env/b", exe.path(), config.path(), "/home/x"}), "/opt/a/");
    EXPECT_EQ(ResolveApplicationFolder({"", "/env/b", exe.path(), config.path(), "/home/x"}), "/env/b/");
    EXPECT_EQ(ResolveApplicationFolder({"", "", exe.path(), config.path(), "/home/x"}), exe.path());
    // An installed program's folder cannot be written: settings go to the config folder.
    EXPECT_EQ(ResolveApplicationFolder({"", "", exe.path() + "missing", config.path(), "/home/x"}),
              config.path() + "webkestrane/");
    TempFolder home;
    EXPECT_EQ(ResolveApplicationFolder({"", "", exe.path() + "missing", "", home.path()}),
              home.path() + ".config/webkestrane/");
    EXPECT_TRUE(home.exists(".config"));
}

// A prefix laid out as `cmake --install` leaves it: PREFIX/bin and PREFIX/share/webkestrane/help.
struct InstalledPrefix {
    TempFolder prefix;
    InstalledPrefix() { std::filesystem::create_directories(prefix.file("share/webkestrane/help")); }
    std::string bin() const {
        std::filesystem::create_directories(prefix.file("bin"));
        return prefix.file("bin/");
    }
};

TEST(ApplicationFolder, InstalledProgramKeepsSettingsInConfigFolderThoughItsFolderIsWritable) {
    InstalledPrefix installed;
    TempFolder config;
    EXPECT_EQ(ResolveApplicationFolder({"", "", installed.bin(), config.path(), "/home/x"}),
              config.path() + "webkestrane/");
    EXPECT_FALSE(installed.prefix.exists("bin/Check.test"));
    EXPECT_EQ(ResolveApplicationFolder({"/opt/a", "", installed.bin(), config.path(), "/home/x"}), "/opt/a/");
}

TEST(InstallLayout, HelpLiesBesideABuiltProgramAndUnderAnInstalledOnesPrefix) {
    InstalledPrefix installed;
    TempFolder build, other;
    std::filesystem::create_directories(build.file("help"));
    std::filesystem::create_directories(other.file("share/webkestrane"));
    const struct {
        std::string executableFolder, data, help;
    } rows[] = {
        {installed.bin(), installed.prefix.file("share/webkestrane/"),
         installed.prefix.file("share/webkestrane/help/")},
        {installed.prefix.file("bin"), installed.prefix.file("share/webkestrane/"),
         installed.prefix.file("share/webkestrane/help/")},
        {build.path(), "", build.file("help/")},
        // A prefix whose share/webkestrane holds no help is no install of this program.
        {other.file("bin/"), "", other.file("bin/help/")},
        {"/", "", "/help/"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(InstalledDataFolder(row.executableFolder), row.data) << row.executableFolder;
        EXPECT_EQ(HelpFolderOf(row.executableFolder), row.help) << row.executableFolder;
    }
}

// The defaults it starts with are those a file that cannot be read falls back to (below).
TEST_F(StartingUp, FirstRunOpensTheBoilerplateDialogAndWritesOnlyTheExpertMode) {
    bool dialogOpened = false;
    StartupHooks hooks;
    hooks.openBoilerplateDialog = [&](Workspace&) {
        dialogOpened = true;
        return true;
    };
    EXPECT_EQ(StartUp(ws, hooks), StartupResult::Ready);
    EXPECT_TRUE(dialogOpened);
    // The expert-mode toggle runs once and writes its state.
    EXPECT_EQ(folder.read("expert.sgt"), "0\r\n");
    EXPECT_FALSE(folder.exists("Options.abn"));
    EXPECT_TRUE(ws.notices.empty());
    // Quitting the first boilerplate dialog quits.
    hooks.openBoilerplateDialog = [](Workspace&) { return false; };
    StartedWorkspace quitting;
    EXPECT_EQ(StartUp(quitting.ws, hooks), StartupResult::Quit);
}

TEST_F(StartingUp, OptionsTakeTheirFirstFiveCharactersAndTheFileIsRewrittenWhole) {
    folder.write("Options.abn", "101");
    StartUp(ws);
    EXPECT_EQ(ws.options.commit, (std::array<bool, 5>{true, false, true, false, false}));
    EXPECT_EQ(folder.read("Options.abn"), "10100\r\n");
    EXPECT_EQ(OptionsFromText("1\r\n"), (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(OptionsFromText("11111\r\n"), (std::array<bool, 5>{true, true, true, true, true}));
}

TEST_F(LoadingSettings, CreditsAreOnOnlyForAPositiveNumber) {
    const std::pair<const char*, bool> cases[] = {{"0", false},  {"-1", false}, {"yes", false}, {"", false},
                                                  {"1", true},   {"2", true},   {"1\r\n", true}, {" 3", true}};
    for (const auto& [text, on] : cases) {
        StartedWorkspace s;
        s.folder.write("credits.sgt", text);
        LoadSettings(s.ws);
        EXPECT_EQ(s.ws.status.credits, on) << "credits.sgt holding '" << text << "'";
    }
}

TEST_F(LoadingSettings, KeyboardMenusAreOnOnlyForOneAndWrittenOneOrZero) {
    const std::pair<const char*, bool> cases[] = {{nullptr, false}, {"0", false}, {"2", false}, {"on", false},
                                                  {"1", true},      {"1\r\n", true}};
    for (const auto& [text, on] : cases) {
        StartedWorkspace s;
        if (text) s.folder.write(kKeyboardMenusFile, text);
        LoadSettings(s.ws);
        EXPECT_EQ(s.ws.options.keyboardMenus, on) << "keyboard.sgt holding '" << (text ? text : "(missing)") << "'";
        SetKeyboardMenus(s.ws, !on);
        EXPECT_EQ(s.folder.read(kKeyboardMenusFile), on ? "0\r\n" : "1\r\n");
    }
}

TEST_F(LoadingSettings, AnchorLosesItsLineEndsButFilterKeepsThemAndShowsItselfEvenForAll) {
    folder.write("anchor.sgt", "<TD>\r\n");
    folder.write("filter.sgt", "*.htm\r\n");
    folder.write("expert.sgt", "1\r\n");
    LoadSettings(ws);
    EXPECT_EQ(ws.options.anchor, "<TD>");
    EXPECT_EQ(AnchorCaption(ws.options), "Anchor: <TD>");
    EXPECT_EQ(ws.options.filter, "*.htm\r\n");
    EXPECT_EQ(ws.options.filterCaption, "Filter: *.htm\r\n");
    EXPECT_TRUE(ws.options.expert);
    folder.write("filter.sgt", "*.*\r\n");
    LoadSettings(ws);
    EXPECT_EQ(ws.options.filterCaption, "Filter: *.*\r\n");
}

TEST_F(LoadingSettings, GarbageBinaryAndHugeFilesFallBackToDefaults) {
    folder.write("Options.abn", std::string("\x01\x00\xff\xfe garbage", 12));
    folder.write("credits.sgt", std::string(5'000'000, '9').insert(0, "x"));
    folder.write("expert.sgt", std::string("\0\0\0", 3));
    folder.write("anchor.sgt", "\r\n\r\n");
    folder.write("filter.sgt", "");
    LoadSettings(ws);
    EXPECT_EQ(ws.options.commit, (std::array<bool, 5>{}));
    EXPECT_FALSE(ws.status.credits);
    EXPECT_FALSE(ws.options.expert);
    EXPECT_EQ(ws.options.anchor, "<BODY>");
    EXPECT_EQ(ws.options.filter, "*.*");
}

TEST_F(SavingASetting, AnUnwritableFolderIsSaidOnce) {
    test::FailingFileSystem failing;
    failing.failEveryWrite = true;
    FileSystemOverride seam(failing);
    StartUp(ws);
    SaveSetting(ws, "credits.sgt", "1");
    SaveSetting(ws, "anchor.sgt", "<TD>");
    ASSERT_EQ(ws.notices.size(), 1u);
    EXPECT_NE(ws.notices[0].find(folder.path()), std::string::npos);
}

TEST_F(SettingsCommands, AnchorAnswersBecomeTagsAndAnEmptyOrCancelledAnswerChangesNothing) {
    AskAnchor(ws);  // cancelled
    EXPECT_EQ(prompt.count("input"), 1u);
    EXPECT_EQ(ws.options.anchor, "<BODY>");
    EXPECT_FALSE(folder.exists("anchor.sgt"));
    // Only the two spellings "default" and "Default" are keywords.
    const std::pair<const char*, const char*> answers[] = {
        {"body", "<body>"}, {"<div id=menu", "<div id=menu>"}, {"</head>", "</head>"}, {"default", "<BODY>"},
        {"<TD>", "<TD>"},   {"Default", "<BODY>"},            {"DEFAULT", "<DEFAULT>"}, {"", "<DEFAULT>"}};
    for (const auto& [answer, anchor] : answers) {
        SetAnchor(ws, answer);
        EXPECT_EQ(ws.options.anchor, anchor) << answer;
    }
    EXPECT_EQ(folder.read("anchor.sgt"), "<DEFAULT>\r\n");
}

TEST_F(SettingsCommands, FilterAnswersBecomePatternsAndKeywordsMeanAllTypes) {
    const std::pair<const char*, const char*> patterns[] = {
        {"php", "*.php"},         {".php", "*.php"},      {"*php", "*.php"},          {"*.php", "*.php"},
        {"DEFAULT", "*.DEFAULT"}, {"index.htm", "*.htm"}, {"index.old.htm", "*.htm"}, {"a.htm", "*.a.htm"}};
    for (const auto& [answer, pattern] : patterns) EXPECT_EQ(FilterPattern(answer), pattern) << answer;
    SetFilter(ws, "index.htm");
    EXPECT_EQ(ws.options.filter, "*.htm");
    EXPECT_EQ(ws.options.filterCaption, "Filter: *.htm");
    EXPECT_EQ(folder.read("filter.sgt"), "*.htm\r\n");
    for (const char* answer : {"Default", "default", "all", "All", "ALL", "*", "*.*", ".*"}) {
        SetFilter(ws, "htm");
        SetFilter(ws, answer);
        EXPECT_EQ(ws.options.filter, "*.*") << answer;
        EXPECT_EQ(ws.options.filterCaption, "Filter: ALL HTML Types");
        EXPECT_EQ(folder.read("filter.sgt"), "*.*\r\n");
    }
    SetFilter(ws, "");
    EXPECT_EQ(ws.options.filter, "*.*");
}

TEST_F(SettingsCommands, OptionBoxesWriteAllFiveStatesAndExpertAndCreditsOneOrZero) {
    SetCommitOption(ws, kOptMenu, true);
    SetCommitOption(ws, kOptKeywords, true);
    EXPECT_EQ(folder.read("Options.abn"), "01100\r\n");
    SetCommitOption(ws, kOptMenu, false);
    EXPECT_EQ(folder.read("Options.abn"), "00100\r\n");
    SetExpertMode(ws, true);
    EXPECT_EQ(folder.read("expert.sgt"), "1\r\n");
    ToggleCredits(ws);
    EXPECT_TRUE(ws.status.credits);
    EXPECT_EQ(folder.read("credits.sgt"), "1\r\n");
    ToggleCredits(ws);
    EXPECT_FALSE(ws.status.credits);
    EXPECT_EQ(folder.read("credits.sgt"), "0\r\n");
}

TEST_F(SettingsCommands, CategoryKeepsItsValueOnAnEmptyAnswer) {
    prompt.inputAnswers = {std::string("News"), std::string(""), std::nullopt};
    ChangeCategory(ws);
    EXPECT_EQ(ws.status.category, "News");
    ChangeCategory(ws);
    ChangeCategory(ws);
    EXPECT_EQ(ws.status.category, "News");
}

TEST_F(SettingsCommands, BoilerplateOkRefusesAnEmptyEntryThenAMissingFolder) {
    // The empty entry is said first, though the folder is missing too.
    EXPECT_FALSE(CommitBoilerplate(ws, {"www.a.com", "Acme", "", "Acme 2005", folder.file("gone")}));
    ASSERT_EQ(prompt.count("message"), 1u);
    EXPECT_EQ(prompt.asked[0].text.find("gone"), std::string::npos) << prompt.asked[0].text;
    EXPECT_FALSE(CommitBoilerplate(ws, {"www.a.com", "Acme", "Me", "Acme 2005", folder.file("gone")}));
    ASSERT_EQ(prompt.count("message"), 2u);
    EXPECT_NE(prompt.asked[1].text.find(folder.file("gone/")), std::string::npos) << prompt.asked[1].text;
    EXPECT_FALSE(folder.exists("boilerplate.sgt"));
    // An entry of spaces is not empty.
    EXPECT_TRUE(CommitBoilerplate(ws, {"www.a.com", "Acme", " ", "Acme 2005", folder.path()}));
}

TEST_F(SettingsCommands, BoilerplateIsStoredAsFiveLinesAndShown) {
    ASSERT_TRUE(CommitBoilerplate(ws, {"www.a.com", "Acme Ltd", "Web Team", "Acme Ltd\r\n2005", folder.path()}));
    EXPECT_EQ(folder.read("boilerplate.sgt"),
              "www.a.com\r\nAcme Ltd\r\nWeb Team\r\nAcme Ltd 2005\r\n" + folder.path() + "\r\n");
    EXPECT_EQ(ws.status.siteUrl, "www.a.com ");
    EXPECT_EQ(ws.status.organisation, "Acme Ltd ");
    EXPECT_EQ(ws.status.author, "Web Team ");
    EXPECT_EQ(ws.status.copyright, "Acme Ltd 2005 ");
    EXPECT_EQ(ws.status.siteRoot, folder.path());
    // The local source is read back from the fifth line, not from a broken notice.
    EXPECT_EQ(ReadBoilerplate(folder.path()),
              (Boilerplate{"www.a.com", "Acme Ltd", "Web Team", "Acme Ltd 2005", folder.path()}));
}

TEST_F(SettingsCommands, LocalSourceIsStoredAsAnAbsoluteFolder) {
    std::filesystem::create_directories(folder.file("site/sub"));
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    const std::filesystem::path savedFolder = std::filesystem::current_path();
    ::setenv("HOME", folder.file("site").c_str(), 1);
    std::filesystem::current_path(folder.path());
    const std::pair<std::string, std::string> cases[] = {
        {"~", folder.file("site/")},
        {"~/sub", folder.file("site/sub/")},
        {"site", folder.file("site/")},
        {"./site/sub/../sub//", folder.file("site/sub/")},
        {folder.file("site/./sub"), folder.file("site/sub/")},
    };
    for (const auto& [typed, stored] : cases) {
        EXPECT_TRUE(CommitBoilerplate(ws, {"www.a.com", "Acme", "Me", "Acme 2005", typed})) << typed;
        EXPECT_EQ(ReadBoilerplate(folder.path())[4], stored) << typed;
        EXPECT_EQ(ws.status.siteRoot, stored) << typed;
    }
    std::filesystem::current_path(savedFolder);
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
    else ::unsetenv("HOME");
}

TEST_F(SettingsCommands, ShortBoilerplateFileKeepsTheOtherOpeningEntries) {
    folder.write("boilerplate.sgt", "www.b.org\r\nOrg\r\n");
    EXPECT_EQ(ReadBoilerplate(folder.path()), (Boilerplate{"www.b.org", "Org", "", "", ""}));
    EXPECT_EQ(ReadBoilerplate(folder.path() + "none"), InitialBoilerplate());
}

TEST_F(SettingsCommands, CancelOnAFirstRunAsksToQuit) {
    prompt.yesNoAnswers = {false, true};
    EXPECT_EQ(CancelBoilerplate(ws), CancelAnswer::Stay);
    EXPECT_EQ(CancelBoilerplate(ws), CancelAnswer::Quit);
    folder.write("boilerplate.sgt", "www.a.com\r\n");
    EXPECT_EQ(CancelBoilerplate(ws), CancelAnswer::Close);
    EXPECT_EQ(prompt.count("yesno"), 2u);
}

}  // namespace
}  // namespace wk
