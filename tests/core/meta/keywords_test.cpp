#include "meta/keywords.h"

#include <gtest/gtest.h>

namespace wk {
namespace {

std::string Body(const std::string& body) { return "<html><head></head><body>" + body + "</body></html>"; }

TEST(WordWeight, RareLettersWeighMost) {
    EXPECT_EQ(WordWeight("jazz"), 17);
    EXPECT_EQ(WordWeight("quiz"), 8);
    EXPECT_EQ(WordWeight("the"), 0);
    EXPECT_EQ(WordWeight("menu"), 0);
    EXPECT_EQ(WordWeight(""), 0);
    // Characters outside the table add nothing.
    EXPECT_EQ(WordWeight("JAZZ"), 0);
    EXPECT_EQ(WordWeight("j-a-z-z!"), 17);
}

TEST(GenerateKeywords, RecurringAndRareWordsComeFirst) {
    EXPECT_EQ(GenerateKeywords(Body("<p>Jazz quiz: jazz!</p>")), "jazz,quiz");
}

TEST(GenerateKeywords, CommonWordsGiveAnEmptyList) {
    EXPECT_EQ(GenerateKeywords(Body("the menu of the site")), "");
    EXPECT_EQ(FillKeywordList(GenerateKeywords(Body("the menu of the site"))), std::vector<std::string>{""});
}

TEST(GenerateKeywords, WordsAreLowerCaseLettersOnly) {
    EXPECT_EQ(GenerateKeywords(Body("Jazzbox JAZZBOX jazzbox2 jazzbox")), "jazzbox");
    // Box, BOX and box2 are the word box three times (score 5), so it passes
    // fox (weight 3 like box) although fox comes first.
    EXPECT_EQ(GenerateKeywords(Body("fox Box BOX box2")), "box,fox");
    EXPECT_EQ(GenerateKeywords(Body("fox box")), "fox,box");
    // Apostrophes and grave accents neither extend nor end a word.
    EXPECT_EQ(GenerateKeywords(Body("qu'iz qu`iz quiz")), "quiz");
    EXPECT_EQ(GenerateKeywords(Body("jaz`z")), "jazz");
    // An accented letter splits the word.
    EXPECT_EQ(GenerateKeywords(Body("na\xC3\xAFve jazz")), "jazz");
    EXPECT_EQ(GenerateKeywords(Body("qqq\xC3\xAFzzz")), "zzz,qqq");
}

TEST(GenerateKeywords, TiesKeepTheOrderOfFirstAppearance) {
    EXPECT_EQ(GenerateKeywords(Body("zj jz")), "zj,jz");
    EXPECT_EQ(GenerateKeywords(Body("jz zj")), "jz,zj");
}

TEST(GenerateKeywords, OnlyTheBodyCounts) {
    EXPECT_EQ(GenerateKeywords("<html><head><title>jazz</title></head></html>"), "");
    EXPECT_EQ(GenerateKeywords("jazz quiz"), "");
}

TEST(GenerateKeywords, TheListIsCutAtTheLastWholeKeywordWithinTheCap) {
    // Distinct rare words of ten letters each: eleven characters a keyword with its comma.
    std::string body;
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z' && words.size() < 200; ++b) words.push_back(std::string("zzzzzzzz") + a + b);
    for (const std::string& w : words) body += w + " ";
    const std::string list = GenerateKeywords(Body(body));
    EXPECT_LE(list.size(), 1023u);
    EXPECT_GT(list.size(), 1000u);
    EXPECT_NE(list.back(), ',');
    const auto entries = FillKeywordList(list);
    for (const std::string& entry : entries) EXPECT_EQ(entry.size(), 10u) << entry;
}

TEST(GenerateKeywords, AListCutExactlyAtAKeywordEndStillLosesThatKeyword) {
    // 93 keywords of 10 letters fill 93 * 11 - 1 = 1022 characters; "j" after
    // them makes 1024, which stays; "q" after that makes 1026, so the list is
    // cut at 1024, right after "j", and then backs up to the comma before "j".
    std::string body;
    for (int i = 0; i < 93; ++i)
        body += std::string("zzzzzzzz") + static_cast<char>('a' + i / 26) + static_cast<char>('a' + i % 26) + " ";
    const std::string full = GenerateKeywords(Body(body + "j"));
    EXPECT_EQ(full.size(), 1024u);
    EXPECT_EQ(full.substr(1022), ",j");
    const std::string cut = GenerateKeywords(Body(body + "j q"));
    EXPECT_EQ(cut, full.substr(0, 1022));
}

TEST(GenerateKeywords, AKeywordLongerThanTheCapGivesAnEmptyList) {
    EXPECT_EQ(GenerateKeywords(Body(std::string(1025, 'z') + " jazz")), "");
    EXPECT_EQ(GenerateKeywords(Body(std::string(1024, 'z') + " ")), std::string(1024, 'z'));
}

TEST(FillKeywordList, OneEntryAPieceIncludingTheLast) {
    EXPECT_EQ(FillKeywordList("jazz,quiz"), (std::vector<std::string>{"jazz", "quiz"}));
    EXPECT_EQ(FillKeywordList(""), std::vector<std::string>{""});
    EXPECT_EQ(FillKeywordList("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
}

}  // namespace
}  // namespace wk
