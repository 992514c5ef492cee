// Which files a pass selects under the extension filter.
#include <gtest/gtest.h>

#include "site/site_filter.h"

namespace wk {
namespace {

TEST(IsSiteFile, ThePatternEndsTheNameExactlyAndStarDotStarStandsForEveryHtmlEnding) {
    struct Case {
        const char* pattern;
        SitePass pass;
        const char* name;
        bool selected;
    };
    const Case cases[] = {
        {"*.htm", SitePass::Upgrade, "a.htm", true},
        {"*.htm", SitePass::Upgrade, "a.html", false},
        {"*.htm", SitePass::Upgrade, "a.HTM", false},  // letter case counts
        {"*.*", SitePass::Upgrade, "e.css", false},
        {"*.*", SitePass::Upgrade, "f.mnu", false},
        {"*.*", SitePass::AnalyseMarkup, "h.HTML", false},
        {"*.*", SitePass::Upgrade, "odd.*", true},  // the pattern's own ending
        {"*.html", SitePass::RemoveMenus, "a.shtml", true},  // the removal takes every .shtml page
        {"*.html", SitePass::Upgrade, "a.shtml", false},
        {"*.html", SitePass::RemoveMenus, "a.htm", false},
        {"*.htm", SitePass::Backup, "g.gif", true},  // backup and analysis take every file
        {"*.htm", SitePass::AnalyseSite, "_", true},
        {"*", SitePass::WeighPages, "anything.bin", true},  // a one-character pattern is a bare wildcard
        {"*.htm", SitePass::Links, "a.shtml", true},  // links are read in every page
        {"*.txt", SitePass::Links, "a.txt", true},
        {"*.htm", SitePass::Links, "a.css", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSiteFile(c.name, c.pass, c.pattern), c.selected) << c.pattern << " " << c.name;
    for (const char* ending : {"htm", "html", "xtml", "dhtm", "xhtm", "dhtml", "sdtml", "shtml", "xhtml", "sxtml",
                               "php", "asp", "aspx", "sxhtml", "xml", "sxml"})
        EXPECT_TRUE(IsSiteFile(std::string("page.") + ending, SitePass::Upgrade, "*.*")) << ending;
}

TEST(CleanPattern, DropsTheLineBreakTheFilterFileLeft) {
    EXPECT_EQ(CleanPattern("*.htm\r\n"), "*.htm");
    EXPECT_EQ(CleanPattern("*.htm\n"), "*.htm");
    EXPECT_EQ(CleanPattern("*.htm\r\n\r\n"), "*.htm\r\n");  // one stray break a cleaning
    EXPECT_EQ(CleanPattern("*.htm"), "*.htm");
}

}  // namespace
}  // namespace wk
