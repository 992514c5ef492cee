// The fast generators against step-by-step transcriptions, on random and real pages.
#include <gtest/gtest.h>

#include "core/markup/page_samples.h"
#include "core/meta/oracle_meta.h"
#include "meta/description.h"
#include "meta/keywords.h"
#include "meta/plain_text.h"

namespace wk {
namespace {

void ExpectSameAsOracle(const std::string& page, const std::string& what) {
    ASSERT_EQ(ExtractPlainText(page), oracle::ExtractPlainText(page)) << what;
    ASSERT_EQ(GenerateKeywords(page), oracle::GenerateKeywords(page)) << what;
    const Description fast = GenerateDescription(page);
    const oracle::Description slow = oracle::GenerateDescription(page);
    ASSERT_EQ(fast.candidates.size(), slow.candidates.size()) << what;
    for (std::size_t i = 0; i < slow.candidates.size(); ++i) ASSERT_EQ(fast.candidate(i), slow.candidates[i]) << what;
    ASSERT_EQ(fast.text, slow.text) << what;
}

TEST(MetaOracle, RandomPagesGiveTheSameTextKeywordsAndDescription) {
    std::mt19937 random(3);
    for (int round = 0; round < 4000; ++round) {
        const std::string body = test::RandomPage(random, 1 + round % 80);
        ExpectSameAsOracle("<body>" + body + "</body>", body);
        ExpectSameAsOracle(body, body);
    }
    // Long pages hit the caps.
    for (int round = 0; round < 40; ++round)
        ExpectSameAsOracle("<body>" + test::RandomPage(random, 3000) + "</body>", "long page " + std::to_string(round));
    ExpectSameAsOracle(test::ProsePage(60000, 9), "prose");
}

TEST(MetaOracle, SentenceRoutinesAgreeAtEveryPosition) {
    std::mt19937 random(13);
    const std::vector<std::string> parts = {"a",  "bc", " ", " ", "\xA0", "\xC2", "\xC3", "\xE2\x80", "\xF0",
                                            "\x80", ".",  "!", "?", ". ",   "! ",   "? ",   "x y z"};
    for (int round = 0; round < 3000; ++round) {
        const std::string text = test::Pieces(random, parts, round % 40);
        for (std::size_t p = 1; p <= text.size() + 2; ++p)
            ASSERT_EQ(GetSentence(text, p), oracle::GetSentence(text, p)) << text << " at " << p;
        ASSERT_EQ(DropLastSentence(text), oracle::DropLastSentence(text)) << text;
    }
}

TEST(MetaOracle, RealPagesGiveTheSameTextKeywordsAndDescription) {
    const auto paths = test::RealPagePaths(250000);
    if (paths.empty()) GTEST_SKIP() << "no pages under " << test::kRealPagesFolder;
    for (const std::string& path : paths) ExpectSameAsOracle(test::ReadFileBytes(path), path);
}

TEST(MetaOracle, HostilePagesFinish) {
    const std::string brackets = "<body>" + std::string(3'000'000, '<') + "</body>";
    const std::string ampersands = "<body>" + std::string(3'000'000, '&') + "</body>";
    std::string shortSentences = "<body>";
    for (int i = 0; i < 300'000; ++i) shortSentences += "Hi. ";
    shortSentences += "</body>";
    const std::string nul = std::string("<body>a\0b. c\0d e f. </body>", 27);
    for (const std::string& page : {brackets, ampersands, shortSentences, nul}) {
        EXPECT_LE(GenerateDescription(page).text.size(), 1024u + 64);
        EXPECT_LE(GenerateKeywords(page).size(), 1024u);
    }
    // Every candidate of the short sentences runs to the end of the text, yet
    // they are kept as stretches of one text. The last "Hi." alone is too short.
    const Description chained = GenerateDescription(shortSentences);
    EXPECT_EQ(chained.candidates.size(), 299'999u);
    EXPECT_EQ(chained.candidate(1).size(), chained.plain.size() - 4 - 1);
}

}  // namespace
}  // namespace wk
