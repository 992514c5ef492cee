// The settings commands run as a user runs them. The files they write are the
// core's to test; here: the options taken, the printed formats, the exit status.
#include <gtest/gtest.h>

#include "run_cli.h"

namespace wk {
namespace {

using test::RunCli;
using test::TempFolder;
using OptionsCommand = test::CliTest;
using BoilerplateCommand = test::CliTest;
using GlobalOptions = test::CliTest;

TEST_F(OptionsCommand, PrintsTheFirstRunDefaultsThenWhatSetStored) {
    auto run = Run({"options"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "anchor: <BODY>\nfilter: *.*\ncommit: 00000\nexpert: off\ncredits: off\ntips: unset\n"
              "keyboard-menus: off\nproposals: classic\n");
    EXPECT_FALSE(app.exists("expert.sgt"));  // printing changes nothing on disk
    run = Run({"options", "set", "--anchor", "body", "--filter", "index.htm", "--commit", "01100", "--expert", "on",
               "--credits", "on", "--keyboard-menus", "on"});
    ASSERT_EQ(run.status, 0) << run.err;
    app.write("tip.sgt", "0\r\n");
    run = Run({"options"});
    EXPECT_EQ(run.out,
              "anchor: <body>\nfilter: *.htm\ncommit: 01100\nexpert: on\ncredits: on\ntips: off\n"
              "keyboard-menus: on\nproposals: classic\n");
}

TEST_F(OptionsCommand, BadValuesAreUsageErrorsAndWriteNothing) {
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"options", "set", "--commit", "0110"}, {"options", "set", "--commit", "01102"},
             {"options", "set", "--expert", "maybe"}, {"options", "set", "--anchor"},
             {"options", "set", "--colour", "red"}, {"options", "extra"}, {"no-such-command"},
             {"options", "set", "--anchor", "td", "--credits", "sometimes"},
             {"options", "set", "--anchor", "td", "--keyboard-menus", "yes"}}) {
        auto run = Run(words);
        EXPECT_EQ(run.status, 2) << words.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(app.exists("anchor.sgt"));
}

TEST_F(OptionsCommand, ASettingThatCannotBeSavedFailsNamingTheFolder) {
    // The folder's parent is missing, so the settings file cannot be written.
    const std::string folder = app.path() + "missing/settings/";
    EXPECT_TRUE(test::FailsNaming(RunCli({"--app-folder", folder, "options", "set", "--expert", "on"}), folder));
}

TEST_F(BoilerplateCommand, SetStoresARelativeSiteFolderAsAbsoluteAndPrintsOneEntryALine) {
    TempFolder site;
    auto run = Run({"boilerplate", "set", "www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2005", "."}, site.path());
    ASSERT_EQ(run.status, 0) << run.err;
    run = Run({"boilerplate"});
    EXPECT_EQ(run.out, "www.acme.com\nAcme Ltd\nWeb Team\nAcme Ltd 2005\n" + site.path() + "\n");
}

TEST_F(BoilerplateCommand, RefusesAnEmptyEntryOrAMissingFolder) {
    auto run = Run({"boilerplate", "set", "www.acme.com", "", "Web Team", "c", "/s"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(
        test::FailsNaming(Run({"boilerplate", "set", "www.acme.com", "Acme", "Web Team", "c", app.file("gone")}),
                          app.file("gone")));
    EXPECT_FALSE(app.exists("boilerplate.sgt"));
    EXPECT_EQ(Run({"boilerplate", "set", "a", "b", "c", "d"}).status, 2);
}

TEST_F(GlobalOptions, AfterADoubleDashWordsThatLookLikeOptionsAreEntries) {
    auto run = Run({"boilerplate", "set", "--", "www.acme.com", "--Acme--", "-h", "--yes", app.path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Run({"boilerplate"}).out, "www.acme.com\n--Acme--\n-h\n--yes\n" + app.path() + "\n");
}

TEST_F(GlobalOptions, VersionHelpAndEnvironmentFolder) {
    auto run = RunCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("webkestrane ", 0), 0u);
    run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("boilerplate set URL ORG AUTHOR COPYRIGHT SITE"), std::string::npos);
    ::setenv("WEBKESTRANE_APP_FOLDER", app.path().c_str(), 1);
    run = RunCli({"options", "set", "--expert", "on"});
    ::unsetenv("WEBKESTRANE_APP_FOLDER");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(app.read("expert.sgt"), "1\r\n");
}

// The desktop program is a module beside the program: a copy of the program
// without it, started with no command, fails naming the module.
TEST_F(GlobalOptions, WithoutItsDesktopModuleTheProgramSaysSoAndFails) {
    const std::filesystem::path program(WK_CLI_PATH);
    if (!std::filesystem::exists(program.parent_path() / "webkestrane_desktop.so"))
        GTEST_SKIP() << "built without the desktop program";
    TempFolder alone;
    std::filesystem::copy_file(program, alone.file("webkestrane"));
    const std::string command = test::ShellQuote(alone.file("webkestrane")) + " --app-folder " +
                                test::ShellQuote(app.path()) + " </dev/null >/dev/null 2>" +
                                test::ShellQuote(alone.file("err"));
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_NE(alone.read("err").find("webkestrane_desktop.so is neither beside the program"), std::string::npos);
}

}  // namespace
}  // namespace wk
