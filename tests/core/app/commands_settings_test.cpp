#include "app/commands_settings.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace wk {
namespace {

class SettingsCommands : public ::testing::Test {
protected:
    test::TempFolder dir;
    ScriptedPrompt prompt;
    Workspace ws{dir.path(), prompt};
};

TEST_F(SettingsCommands, AnchorAnswers) {
    SetAnchor(ws, "body");
    EXPECT_EQ(ws.options.anchor, "<body>");
    EXPECT_EQ(dir.read("anchor.sgt"), "<body>\r\n");
    SetAnchor(ws, "<div id=menu");
    EXPECT_EQ(ws.options.anchor, "<div id=menu>");
    SetAnchor(ws, "</head>");
    EXPECT_EQ(ws.options.anchor, "</head>");
    SetAnchor(ws, "default");
    EXPECT_EQ(ws.options.anchor, "<BODY>");
    SetAnchor(ws, "<TD>");
    SetAnchor(ws, "Default");
    EXPECT_EQ(ws.options.anchor, "<BODY>");
    SetAnchor(ws, "DEFAULT");  // only the two spellings are keywords
    EXPECT_EQ(ws.options.anchor, "<DEFAULT>");
    SetAnchor(ws, "");
    EXPECT_EQ(ws.options.anchor, "<DEFAULT>");
    EXPECT_EQ(dir.read("anchor.sgt"), "<DEFAULT>\r\n");
}

TEST_F(SettingsCommands, AskedAnchorCancelledChangesNothing) {
    AskAnchor(ws);
    EXPECT_EQ(ws.options.anchor, "<BODY>");
    EXPECT_FALSE(dir.exists("anchor.sgt"));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "Anchor Tag Selection");
    EXPECT_EQ(prompt.asked[0].text, "Enter the tag you wish to use to anchor the menu");
}

TEST_F(SettingsCommands, FilterAnswersBecomePatterns) {
    for (const char* answer : {"php", ".php", "*php", "*.php"}) EXPECT_EQ(FilterPattern(answer), "*.php") << answer;
    EXPECT_EQ(FilterPattern("DEFAULT"), "*.DEFAULT");
    EXPECT_EQ(FilterPattern("index.htm"), "*.htm");
    EXPECT_EQ(FilterPattern("index.old.htm"), "*.htm");
    EXPECT_EQ(FilterPattern("a.htm"), "*.a.htm");
    SetFilter(ws, "index.htm");
    EXPECT_EQ(ws.options.filter, "*.htm");
    EXPECT_EQ(ws.options.filterCaption, "Filter: *.htm");
    EXPECT_EQ(ws.options.filterTooltip, "Filter: *.htm");
    EXPECT_EQ(dir.read("filter.sgt"), "*.htm\r\n");
}

TEST_F(SettingsCommands, FilterKeywordsMeanAllTypes) {
    for (const char* answer : {"Default", "default", "all", "All", "ALL", "*", "*.*", ".*"}) {
        SetFilter(ws, "htm");
        SetFilter(ws, answer);
        EXPECT_EQ(ws.options.filter, "*.*") << answer;
        EXPECT_EQ(ws.options.filterCaption, "Filter: ALL HTML Types");
        EXPECT_EQ(ws.options.filterTooltip, "Filter: ALL HTML Types");
        EXPECT_EQ(dir.read("filter.sgt"), "*.*\r\n");
    }
    SetFilter(ws, "");
    EXPECT_EQ(ws.options.filter, "*.*");
}

TEST_F(SettingsCommands, OptionBoxesWriteAllFiveStates) {
    SetCommitOption(ws, kOptMenu, true);
    SetCommitOption(ws, kOptKeywords, true);
    EXPECT_EQ(dir.read("Options.abn"), "01100\r\n");
    SetCommitOption(ws, kOptMenu, false);
    EXPECT_EQ(dir.read("Options.abn"), "00100\r\n");
}

TEST_F(SettingsCommands, ExpertAndCreditsWriteOneOrZero) {
    SetExpertMode(ws, true);
    EXPECT_EQ(dir.read("expert.sgt"), "1\r\n");
    ToggleCredits(ws);
    EXPECT_TRUE(ws.status.credits);
    EXPECT_EQ(dir.read("credits.sgt"), "1\r\n");
    ToggleCredits(ws);
    EXPECT_FALSE(ws.status.credits);
    EXPECT_EQ(dir.read("credits.sgt"), "0\r\n");
}

TEST_F(SettingsCommands, CategoryKeepsItsValueOnAnEmptyAnswer) {
    prompt.inputAnswers = {std::string("News"), std::string(""), std::nullopt};
    ChangeCategory(ws);
    EXPECT_EQ(ws.status.category, "News");
    ChangeCategory(ws);
    ChangeCategory(ws);
    EXPECT_EQ(ws.status.category, "News");
    EXPECT_EQ(prompt.asked[0].title, "Page Category Modification");
}

TEST_F(SettingsCommands, BoilerplateOkRefusesAnEmptyEntry) {
    EXPECT_FALSE(CommitBoilerplate(ws, {"www.a.com", "Acme", "", "Acme 2005", "/site/"}));
    ASSERT_EQ(prompt.count("message"), 1u);
    EXPECT_EQ(prompt.asked[0].title, "Boilerplate null data error");
    EXPECT_EQ(prompt.asked[0].text, "You cannot omit boilerplate entries or enter null boilerplate data");
    EXPECT_FALSE(dir.exists("boilerplate.sgt"));
    // An entry of spaces is not empty.
    EXPECT_TRUE(CommitBoilerplate(ws, {"www.a.com", "Acme", " ", "Acme 2005", "/site/"}));
}

TEST_F(SettingsCommands, BoilerplateIsStoredAsFiveLinesAndShown) {
    ASSERT_TRUE(CommitBoilerplate(ws, {"www.a.com", "Acme Ltd", "Web Team", "Acme Ltd\r\n2005", "/site/"}));
    EXPECT_EQ(dir.read("boilerplate.sgt"), "www.a.com\r\nAcme Ltd\r\nWeb Team\r\nAcme Ltd 2005\r\n/site/\r\n");
    EXPECT_EQ(ws.status.siteUrl, "www.a.com ");
    EXPECT_EQ(ws.status.organisation, "Acme Ltd ");
    EXPECT_EQ(ws.status.author, "Web Team ");
    EXPECT_EQ(ws.status.copyright, "Acme Ltd 2005 ");
    EXPECT_EQ(ws.status.siteRoot, "/site/");
    // The local source is read back from the fifth line, not from a broken notice.
    EXPECT_EQ(ReadBoilerplate(dir.path()),
              (Boilerplate{"www.a.com", "Acme Ltd", "Web Team", "Acme Ltd 2005", "/site/"}));
}

TEST_F(SettingsCommands, ShortBoilerplateFileKeepsTheOtherOpeningEntries) {
    dir.write("boilerplate.sgt", "www.b.org\r\nOrg\r\n");
    EXPECT_EQ(ReadBoilerplate(dir.path()), (Boilerplate{"www.b.org", "Org", "", "", ""}));
    EXPECT_EQ(ReadBoilerplate(dir.path() + "none"), InitialBoilerplate());
}

TEST_F(SettingsCommands, CancelOnAFirstRunAsksToQuit) {
    prompt.yesNoAnswers = {false, true};
    EXPECT_EQ(CancelBoilerplate(ws), CancelAnswer::Stay);
    EXPECT_EQ(CancelBoilerplate(ws), CancelAnswer::Quit);
    EXPECT_EQ(prompt.asked[0].title, "Quit Web Kestrane?");
    dir.write("boilerplate.sgt", "www.a.com\r\n");
    EXPECT_EQ(CancelBoilerplate(ws), CancelAnswer::Close);
    EXPECT_EQ(prompt.count("yesno"), 2u);
}

TEST(UrlPrefixGuard, KeysInsideThePrefixResetTheBox) {
    EXPECT_TRUE(UrlKeyResetsBox(0, false));
    EXPECT_TRUE(UrlKeyResetsBox(2, false));
    EXPECT_TRUE(UrlKeyResetsBox(3, false));
    EXPECT_FALSE(UrlKeyResetsBox(4, false));
    EXPECT_TRUE(UrlKeyResetsBox(4, true));
    EXPECT_FALSE(UrlKeyResetsBox(5, true));
}

}  // namespace
}  // namespace wk
