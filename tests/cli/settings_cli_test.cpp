#include <gtest/gtest.h>

#include "run_cli.h"

namespace wk {
namespace {

using test::RunCli;
using test::RunCliWithApp;
using test::TempFolder;

TEST(OptionsCommand, PrintsTheFirstRunDefaults) {
    TempFolder app;
    auto run = RunCliWithApp(app, {"options"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "anchor: <BODY>\nfilter: *.*\ncommit: 00000\nexpert: off\ncredits: off\ntips: unset\n");
    // Printing changes nothing on disk.
    EXPECT_FALSE(app.exists("expert.sgt"));
}

TEST(OptionsCommand, SetWritesEachFileAsTheDesktopProgramDoes) {
    TempFolder app;
    auto run = RunCliWithApp(app, {"options", "set", "--anchor", "body", "--filter", "index.htm", "--commit", "01100",
                                   "--expert", "on", "--credits", "on"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(app.read("anchor.sgt"), "<body>\r\n");
    EXPECT_EQ(app.read("filter.sgt"), "*.htm\r\n");
    EXPECT_EQ(app.read("Options.abn"), "01100\r\n");
    EXPECT_EQ(app.read("expert.sgt"), "1\r\n");
    EXPECT_EQ(app.read("credits.sgt"), "1\r\n");
    app.write("tip.sgt", "0\r\n");
    run = RunCliWithApp(app, {"options"});
    EXPECT_EQ(run.out, "anchor: <body>\nfilter: *.htm\ncommit: 01100\nexpert: on\ncredits: on\ntips: off\n");
}

TEST(OptionsCommand, BadValuesAreUsageErrorsAndWriteNothing) {
    TempFolder app;
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"options", "set", "--commit", "0110"},
             {"options", "set", "--commit", "01102"},
             {"options", "set", "--expert", "maybe"},
             {"options", "set", "--anchor"},
             {"options", "set", "--colour", "red"},
             {"options", "extra"},
             {"no-such-command"}}) {
        auto run = RunCliWithApp(app, words);
        EXPECT_EQ(run.status, 2) << words.back();
        EXPECT_FALSE(run.err.empty());
    }
    auto run = RunCliWithApp(app, {"options", "set", "--anchor", "td", "--credits", "sometimes"});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(app.exists("anchor.sgt"));
}

TEST(BoilerplateCommand, SetStoresWithTheDialogRulesAndPrints) {
    TempFolder app;
    auto run = RunCliWithApp(app, {"boilerplate", "set", "www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2005",
                                   "/srv/site"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(app.read("boilerplate.sgt"),
              "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme Ltd 2005\r\n/srv/site/\r\n");
    run = RunCliWithApp(app, {"boilerplate"});
    EXPECT_EQ(run.out, "www.acme.com\nAcme Ltd\nWeb Team\nAcme Ltd 2005\n/srv/site/\n");
}

TEST(BoilerplateCommand, RefusesAnEmptyEntry) {
    TempFolder app;
    auto run = RunCliWithApp(app, {"boilerplate", "set", "www.acme.com", "", "Web Team", "c", "/s"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Boilerplate null data error: You cannot omit boilerplate entries or enter null boilerplate data\n");
    EXPECT_FALSE(app.exists("boilerplate.sgt"));
    run = RunCliWithApp(app, {"boilerplate", "set", "a", "b", "c", "d"});
    EXPECT_EQ(run.status, 2);
}

TEST(OptionsCommand, ASettingThatCannotBeSavedIsSaidAsTheWindowSaysIt) {
    TempFolder scratch;
    // The folder's parent is missing, so the settings file cannot be written.
    const std::string app = scratch.path() + "missing/settings/";
    auto run = RunCli({"--app-folder", app, "options", "set", "--expert", "on"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Settings not saved: Settings cannot be saved in " + app, 0), 0u) << run.err;
}

TEST(GlobalOptions, AfterADoubleDashWordsThatLookLikeOptionsAreEntries) {
    TempFolder app;
    auto run = RunCliWithApp(app, {"boilerplate", "set", "--", "www.acme.com", "--Acme--", "-h", "--yes", "/srv/site"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(app.read("boilerplate.sgt"), "www.acme.com\r\n--Acme--\r\n-h\r\n--yes\r\n/srv/site/\r\n");
}

TEST(GlobalOptions, VersionHelpAndEnvironmentFolder) {
    auto run = RunCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("webkestrane ", 0), 0u);
    run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("boilerplate set URL ORG AUTHOR COPYRIGHT SITE"), std::string::npos);
    TempFolder app;
    ::setenv("WEBKESTRANE_APP_FOLDER", app.path().c_str(), 1);
    run = RunCli({"options", "set", "--expert", "on"});
    ::unsetenv("WEBKESTRANE_APP_FOLDER");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(app.read("expert.sgt"), "1\r\n");
}

}  // namespace
}  // namespace wk
