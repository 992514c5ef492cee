#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/startup.h"
#include "failing_file_system.h"
#include "temp_folder.h"

namespace wk {
namespace {

using test::TempFolder;

struct StartedWorkspace {
    TempFolder dir;
    ScriptedPrompt prompt;
    Workspace ws{dir.path(), prompt};
};

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

TEST(StartUp, FirstRunHasEveryDefault) {
    StartedWorkspace s;
    bool dialogOpened = false;
    StartupHooks hooks;
    hooks.openBoilerplateDialog = [&](Workspace&) {
        dialogOpened = true;
        return true;
    };
    EXPECT_EQ(StartUp(s.ws, hooks), StartupResult::Ready);
    EXPECT_TRUE(dialogOpened);
    EXPECT_FALSE(s.ws.status.credits);
    EXPECT_FALSE(s.ws.options.expert);
    EXPECT_EQ(s.ws.options.anchor, "<BODY>");
    EXPECT_EQ(AnchorCaption(s.ws.options), "Anchor: <BODY>");
    EXPECT_EQ(s.ws.options.filter, "*.*");
    EXPECT_EQ(s.ws.options.filterCaption, "Filter: ALL HTML Types");
    EXPECT_EQ(s.ws.options.filterTooltip, "Filter: All HTML Types");
    EXPECT_EQ(s.ws.options.commit, (std::array<bool, 5>{}));
    // The expert-mode toggle runs once and writes its state.
    EXPECT_EQ(s.dir.read("expert.sgt"), "0\r\n");
    EXPECT_FALSE(s.dir.exists("Options.abn"));
    EXPECT_TRUE(s.ws.notices.empty());
}

TEST(StartUp, QuittingTheFirstBoilerplateDialogQuits) {
    StartedWorkspace s;
    StartupHooks hooks;
    hooks.openBoilerplateDialog = [](Workspace&) { return false; };
    EXPECT_EQ(StartUp(s.ws, hooks), StartupResult::Quit);
}

TEST(LoadSettings, OptionsTakeTheirFirstFiveCharacters) {
    StartedWorkspace s;
    s.dir.write("Options.abn", "101");
    LoadSettings(s.ws);
    EXPECT_EQ(s.ws.options.commit, (std::array<bool, 5>{true, false, true, false, false}));
    EXPECT_EQ(OptionsFromText("1\r\n"), (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(OptionsFromText("11111\r\n"), (std::array<bool, 5>{true, true, true, true, true}));
}

TEST(StartUp, TickedOptionsRewriteTheirFileWhole) {
    StartedWorkspace s;
    s.dir.write("Options.abn", "101");
    StartUp(s.ws);
    EXPECT_EQ(s.dir.read("Options.abn"), "10100\r\n");
}

TEST(LoadSettings, CreditsAreOnOnlyForAPositiveNumber) {
    const std::pair<const char*, bool> cases[] = {{"0", false},  {"-1", false}, {"yes", false}, {"", false},
                                                  {"1", true},   {"2", true},   {"1\r\n", true}, {" 3", true}};
    for (const auto& [text, on] : cases) {
        StartedWorkspace s;
        s.dir.write("credits.sgt", text);
        LoadSettings(s.ws);
        EXPECT_EQ(s.ws.status.credits, on) << "credits.sgt holding '" << text << "'";
    }
}

TEST(LoadSettings, AnchorLosesItsLineEndsButFilterKeepsThem) {
    StartedWorkspace s;
    s.dir.write("anchor.sgt", "<TD>\r\n");
    s.dir.write("filter.sgt", "*.htm\r\n");
    s.dir.write("expert.sgt", "1\r\n");
    LoadSettings(s.ws);
    EXPECT_EQ(s.ws.options.anchor, "<TD>");
    EXPECT_EQ(AnchorCaption(s.ws.options), "Anchor: <TD>");
    EXPECT_EQ(s.ws.options.filter, "*.htm\r\n");
    EXPECT_EQ(s.ws.options.filterCaption, "Filter: *.htm\r\n");
    EXPECT_TRUE(s.ws.options.expert);
}

TEST(LoadSettings, AStoredAllFilterShowsItself) {
    StartedWorkspace s;
    s.dir.write("filter.sgt", "*.*\r\n");
    LoadSettings(s.ws);
    EXPECT_EQ(s.ws.options.filterCaption, "Filter: *.*\r\n");
}

TEST(LoadSettings, GarbageBinaryAndHugeFilesFallBackToDefaults) {
    StartedWorkspace s;
    s.dir.write("Options.abn", std::string("\x01\x00\xff\xfe garbage", 12));
    s.dir.write("credits.sgt", std::string(5'000'000, '9').insert(0, "x"));
    s.dir.write("expert.sgt", std::string("\0\0\0", 3));
    s.dir.write("anchor.sgt", "\r\n\r\n");
    s.dir.write("filter.sgt", "");
    LoadSettings(s.ws);
    EXPECT_EQ(s.ws.options.commit, (std::array<bool, 5>{}));
    EXPECT_FALSE(s.ws.status.credits);
    EXPECT_FALSE(s.ws.options.expert);
    EXPECT_EQ(s.ws.options.anchor, "<BODY>");
    EXPECT_EQ(s.ws.options.filter, "*.*");
}

TEST(SaveSetting, AnUnwritableFolderIsSaidOnce) {
    StartedWorkspace s;
    test::FailingFileSystem failing;
    failing.failEveryWrite = true;
    FileSystemOverride seam(failing);
    StartUp(s.ws);
    SaveSetting(s.ws, "credits.sgt", "1");
    SaveSetting(s.ws, "anchor.sgt", "<TD>");
    ASSERT_EQ(s.ws.notices.size(), 1u);
    EXPECT_NE(s.ws.notices[0].find("Settings cannot be saved in " + s.dir.path()), std::string::npos);
}

}  // namespace
}  // namespace wk
