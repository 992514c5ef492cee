// The links of a page and where they lead: which attributes count, which
// links are inside the site, what a broken one is told, and a relinked page.
#include <gtest/gtest.h>

#include "site/link_targets.h"

namespace wk {
namespace {

// Each link as LINE:VALUE, joined by spaces.
std::string Listed(std::string_view page) {
    std::string listed;
    for (const PageLink& link : FindPageLinks(page))
        listed += (listed.empty() ? "" : " ") + std::to_string(link.line) + ":" + std::string(link.in(page));
    return listed;
}

TEST(FindPageLinks, HrefAndSrcInAnyCaseAndQuotingOutsideCommentsScriptsAndStyles) {
    const std::pair<const char*, const char*> cases[] = {
        {"<a href=\"a.html\">", "1:a.html"},
        {"<A HREF='b.html'><img SrC=c.png alt=x>", "1:b.html 1:c.png"},
        {"<!-- <a href=\"gone.html\"> -->\n<a href=d.html>", "2:d.html"},
        {"<script src=\"s.js\">x='<a href=\"no.html\">'</script><a href=e.html>", "1:s.js 1:e.html"},
        {"<STYLE>/* <a href=\"no.html\"> */</STYLE><link href=f.css>", "1:f.css"},
        {"<p>\r\n\r<a\nhref = \"g.html\" data-href=\"x\" title='<a href=no>'>", "4:g.html"},
        {"<a href=\"\">a < b <br/><a/href=h.html>", "1: 1:h.html"},
        {"<a href=\"open", "1:open"},  // a page that ends inside a value
    };
    for (const auto& [page, links] : cases) EXPECT_EQ(Listed(page), links) << page;
}

TEST(LinkTargetPath, RelativeRootRelativeAndAbsoluteLinksOnTheSitesHostLeadIntoTheSite) {
    struct Case {
        const char *site, *folder, *link, *target;  // target "-": leads out of the site, or stays on its page
    };
    const Case cases[] = {
        {"www.acme.com", "docs/", "os.html#walk", "docs/os.html"},
        {"www.acme.com", "docs/", "../a%20b.html?x=1", "a b.html"},
        {"www.acme.com", "docs/", "../../../index.html", "index.html"},  // never above the host's root
        {"www.acme.com", "docs/", "/img/", "img/"},
        {"www.acme.com", "docs/", "a%2Fb/../c.html", "docs/c.html"},  // ".." takes back a step whole
        {"www.acme.com", "docs/", "http://www.acme.com/a.html", "a.html"},
        {"www.acme.com", "docs/", "HTTPS://ACME.COM", ""},
        {"www.acme.com", "docs/", "//acme.com:8080/b.html", "b.html"},
        {"www.acme.com", "docs/", "http://other.com/a.html", "-"},
        {"www.acme.com", "docs/", "mailto:ann@acme.com", "-"},
        {"www.acme.com", "docs/", " #top", "-"},
        {"www.acme.com", "docs/", "?page=2", "-"},
        {"www.acme.com/~ann", "", "/~ann/a.html", "a.html"},
        {"www.acme.com/~ann/", "", "/a.html", "-"},  // above the site's folder on its host
        {"www.acme.com/~ann", "docs/", "../../b.html", "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkTargetPath(c.link, c.folder, SiteAddressOf(c.site)).value_or("-"), c.target) << c.link;
}

class JudgeLinkTest : public ::testing::Test {
protected:
    SiteFiles files;
    void SetUp() override {
        for (const char* path : {"index.html", "a.shtml", "b.htm", "docs/index.shtml", "docs/os.shtml",
                                 "docs/os.path.html", "docs/my page.shtml", "img/logo.png"})
            files.add(path);
    }
    LinkVerdict Judge(std::string_view link) const { return JudgeLink(link, "docs/", {"acme.com", ""}, files); }
};

TEST_F(JudgeLinkTest, ABrokenLinkIsToldTheNameItsPageTookOrAPageOfTheSameStem) {
    struct Case {
        const char *link, *suggestion;  // suggestion "ok": not broken
        bool renamed;
    };
    const Case cases[] = {
        {"os.path.html#x", "ok", false},
        {"./", "ok", false},      // the folder's index page
        {"../docs", "ok", false},
        {"os.html#os.walk", "os.shtml#os.walk", true},
        {" os.html?q=1#f ", " os.shtml?q=1#f ", true},
        {"../a.html", "../a.shtml", true},
        {"/docs/os.html", "/docs/os.shtml", true},
        {"http://www.acme.com/a.html", "http://www.acme.com/a.shtml", true},
        {"my%20page.html", "my%20page.shtml", true},
        {"../b.html", "../b.htm", false},
        {"../img/", "", false},   // a folder without an index page
        {"gone.html", "", false},
    };
    for (const Case& c : cases) {
        const LinkVerdict verdict = Judge(c.link);
        EXPECT_TRUE(verdict.inside) << c.link;
        EXPECT_EQ(verdict.broken ? verdict.suggestion : "ok", c.suggestion) << c.link;
        EXPECT_EQ(verdict.renamed, c.renamed) << c.link;
    }
    EXPECT_FALSE(Judge("http://other.com/gone.html").inside);
}

TEST_F(JudgeLinkTest, ARelinkedPageDiffersOnlyInTheNamesOfTheRenamedPages) {
    const std::string page =
        "<A HREF='os.html#x'>\r\n\xE9t\xE9 <a href=os.html>os</a><!-- <a href=\"os.html\"> -->\r"
        "<a href=\"gone.html\"><img src=\"../a.html?v=2\"/>";
    EXPECT_EQ(WithRenamedLinks(page, JudgePageLinks(page, "docs/", {"acme.com", ""}, files)),
              "<A HREF='os.shtml#x'>\r\n\xE9t\xE9 <a href=os.shtml>os</a><!-- <a href=\"os.html\"> -->\r"
              "<a href=\"gone.html\"><img src=\"../a.shtml?v=2\"/>");
}

}  // namespace
}  // namespace wk
