// The fast routines against step-by-step transcriptions, on random and real pages.
#include <gtest/gtest.h>

#include "core/markup/oracle_markup.h"
#include "core/markup/page_samples.h"
#include "markup/normalise.h"
#include "markup/scan.h"

namespace wk {
namespace {

std::string Inserted(std::string page, std::string_view anchor, std::string_view block) {
    InsertAtAnchor(page, anchor, block);
    return page;
}

TEST(MarkupOracle, RandomPagesNormaliseAsTheStepsSay) {
    std::mt19937 random(7);
    // Runs of many lengths next to the head's own tags, so its boundaries move
    // while the clean-up loops run.
    const std::vector<std::string> headParts = {"<", "head", "/head", ">", "text/css", "<style type", "x", "</head>",
                                                "<head>"};
    std::uniform_int_distribution<int> spaces(0, 6);
    for (int round = 0; round < 6000; ++round) {
        const std::string page = test::RandomPage(random, 1 + round % 60);
        ASSERT_EQ(NormalisePage(page), oracle::NormalisePage(page)) << "page: " << page;
        ASSERT_EQ(ExtractTagContent(page, "head"), oracle::ExtractTagContent(page, "head")) << page;
        ASSERT_EQ(ExtractTagContent(page, "body"), oracle::ExtractTagContent(page, "body")) << page;
        std::string spaced;
        for (int i = 0; i < 12; ++i) spaced += test::Pieces(random, headParts, 1) + std::string(spaces(random), ' ');
        ASSERT_EQ(NormalisePage(spaced), oracle::NormalisePage(spaced)) << "page: " << spaced;
    }
}

TEST(MarkupOracle, RandomPagesTakeTheBlockWhereTheStepsSay) {
    std::mt19937 random(17);
    const std::vector<std::string> anchors = {
        "<BODY>", "body", "</head>", "<b>", "<div class=\"x\">", "<p id=\"a\" class=\"x\">", "<p id=a>", "<B", "</p>",
        "<x>junk", "<p\xA0id=\"a\">", "<p\xC2\xA0id=\"a\">", "<div class=\"x\"\xC2\xA0id=a>", "<p id=\"a\xC3\xA0\">",
        "<p\xC3\xA0>"};
    const std::vector<std::string> parts = {
        "<div", "<DIV ", "<p ", " class=\"x\"", " id=\"a\"", " id=a", ">", "<b>", "<BODY>", "</head>", "</P>", "text",
        " ", "<B", "\xA0", "\xC2", "\xC3", " id=\"a\xC3\xA0\"", "<p\xC3\xA0>"};
    for (int round = 0; round < 6000; ++round) {
        const std::string page = test::Pieces(random, parts, round % 30);
        for (const std::string& anchor : anchors)
            ASSERT_EQ(Inserted(page, anchor, "[M]"), oracle::InsertAtAnchor(page, anchor, "[M]"))
                << anchor << " in " << page;
    }
}

TEST(MarkupOracle, RealPagesNormaliseAndTakeTheBlockAsTheStepsSay) {
    const auto paths = test::RealPagePaths(400000);
    if (paths.empty()) GTEST_SKIP() << "no pages under " << test::kRealPagesFolder;
    for (const std::string& path : paths) {
        const std::string page = test::ReadFileBytes(path);
        ASSERT_EQ(NormalisePage(page), oracle::NormalisePage(page)) << path;
        for (const char* anchor : {"<BODY>", "</head>", "<div class=\"body\">", "<div id=\"sidebar\">"})
            ASSERT_EQ(Inserted(page, anchor, "[M]"), oracle::InsertAtAnchor(page, anchor, "[M]")) << path;
        // The same pages with stray spaces typed into their heads.
        const std::string spaced = oracle::ReplaceAllNoCase(oracle::ReplaceAllNoCase(page, "<", "<  "), ">", "   >");
        ASSERT_EQ(NormalisePage(spaced), oracle::NormalisePage(spaced)) << path;
    }
}

TEST(MarkupOracle, HostilePagesFinish) {
    const std::string spacesInHead = "<head>" + std::string(1'000'000, ' ') + "></head>";
    const std::string nul = std::string("<head>\0< \0</head><body>\0x", 25);
    for (const std::string& page : {std::string(2'000'000, '<'), spacesInHead, nul, std::string("<!--<head><body")}) {
        EXPECT_GE(NormalisePage(page).size(), 1u);
        EXPECT_GE(Inserted(page, "<div class=\"a\" id=\"b\">", "[M]").size(), page.size());
    }
    EXPECT_EQ(NormalisePage(spacesInHead), "<html><head>></head><body></body></html>");
}

}  // namespace
}  // namespace wk
