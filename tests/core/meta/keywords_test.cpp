#include "meta/keywords.h"

#include <gtest/gtest.h>

#include "meta/plain_text.h"

namespace wk {
namespace {

std::string Body(const std::string& body) { return "<html><head></head><body>" + body + "</body></html>"; }

TEST(WordWeight, RareLettersWeighMost) {
    // Characters outside the table (capitals included) add nothing.
    const std::pair<const char*, int> cases[] = {{"jazz", 17}, {"quiz", 8}, {"the", 0}, {"menu", 0}, {"", 0},
                                                 {"JAZZ", 0},  {"j-a-z-z!", 17}};
    for (const auto& [word, weight] : cases) EXPECT_EQ(WordWeight(word), weight) << word;
}

TEST(GenerateKeywords, RecurringAndRareLowerCaseWordsOfTheBodyComeFirst) {
    const std::pair<std::string, std::string> cases[] = {
        {Body("<p>Jazz quiz: jazz!</p>"), "jazz,quiz"}, {Body("the menu of the site"), ""},  // common words only
        {Body("Jazzbox JAZZBOX jazzbox2 jazzbox"), "jazzbox"},
        // Box, BOX and box2 are the word box three times (score 5), so it
        // passes fox (weight 3 like box) although fox comes first.
        {Body("fox Box BOX box2"), "box,fox"}, {Body("fox box"), "fox,box"},
        // Apostrophes and grave accents neither extend nor end a word.
        {Body("qu'iz qu`iz quiz"), "quiz"}, {Body("jaz`z"), "jazz"},
        // An accented letter splits the word.
        {Body("na\xC3\xAFve jazz"), "jazz"}, {Body("qqq\xC3\xAFzzz"), "zzz,qqq"},
        // Ties keep the order of first appearance.
        {Body("zj jz"), "zj,jz"}, {Body("jz zj"), "jz,zj"},
        // Only the body counts.
        {"<html><head><title>jazz</title></head></html>", ""}, {"jazz quiz", ""},
    };
    for (const auto& [page, keywords] : cases) EXPECT_EQ(GenerateKeywords(page), keywords) << page;
}

// n distinct rare words of ten letters: eleven characters a keyword with its comma.
std::string TenLetterWords(int n) {
    std::string body;
    for (int i = 0; i < n; ++i)
        body += std::string("zzzzzzzz") + static_cast<char>('a' + i / 26) + static_cast<char>('a' + i % 26) + " ";
    return body;
}

TEST(GenerateKeywords, TheListIsCutAtTheLastWholeKeywordWithinTheCap) {
    const std::string list = GenerateKeywords(Body(TenLetterWords(200)));
    EXPECT_LE(list.size(), 1023u);
    EXPECT_GT(list.size(), 1000u);
    EXPECT_NE(list.back(), ',');
    for (const std::string& entry : FillKeywordList(list)) EXPECT_EQ(entry.size(), 10u) << entry;
    // 93 keywords fill 93 * 11 - 1 = 1022 characters; "j" after them makes
    // 1024, which stays; "q" after that makes 1026, so the list is cut at
    // 1024, right after "j", and then backs up to the comma before "j".
    const std::string full = GenerateKeywords(Body(TenLetterWords(93) + "j"));
    EXPECT_EQ(full.size(), 1024u);
    EXPECT_EQ(full.substr(1022), ",j");
    EXPECT_EQ(GenerateKeywords(Body(TenLetterWords(93) + "j q")), full.substr(0, 1022));
    // A keyword longer than the cap gives an empty list.
    EXPECT_EQ(GenerateKeywords(Body(std::string(1025, 'z') + " jazz")), "");
    EXPECT_EQ(GenerateKeywords(Body(std::string(1024, 'z') + " ")), std::string(1024, 'z'));
}

TEST(FillKeywordList, OneEntryAPieceIncludingTheLast) {
    EXPECT_EQ(FillKeywordList("jazz,quiz"), (std::vector<std::string>{"jazz", "quiz"}));
    EXPECT_EQ(FillKeywordList(""), std::vector<std::string>{""});
    EXPECT_EQ(FillKeywordList("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(ExtractPlainText, DropsTagsAndEntitiesAndTidiesSpacesAndSentenceEnds) {
    const std::pair<const char*, const char*> cases[] = {
        {"<p>A &amp; B</p>", "A B"}, {"a\r\n\tb", "a b"}, {"<b>bold</b>  and <i>it</i>", "bold and it"},
        // An ampersand hides the text up to the next semicolon, even from inside a tag.
        {"<a href=\"x?a=1&b=2\">more</a> text; rest", " rest"}, {"fish & chips", "fish "},
        {"a > b; c", "a > b; c"},  // brackets and semicolons outside tags stay
        // Sentence ends before tags get a space.
        {"<p>One.</p><p>Two!</p><p>Three?</p>", "One. Two! Three? "}, {"One.<br>Two", "One. Two"},
        // Headings and paragraphs closed after a space end a sentence.
        {"<h1>Title </h1>Text", "Title. Text"}, {"<p>Line </P>", "Line. "}, {"<h1>Title</h1>Text", "TitleText"},
        {"<b>Bold </b>x", "Bold x"},
        // Repeated marks and spaces before marks collapse; marks that removing
        // spaces brings together again stay.
        {"Wait... what?. Yes!.. No ! Maybe  ?", "Wait. what? Yes! No! Maybe?"},
        {"a . . b", "a.. b"}, {"3.5 is 3.5", "3.5 is 3.5"},
        // Unclosed things hide the rest.
        {"before <a href=\"x\" after", "before "}, {"before &nbsp after", "before "}, {"", ""},
    };
    for (const auto& [markup, text] : cases) EXPECT_EQ(ExtractPlainText(markup), text) << markup;
}

}  // namespace
}  // namespace wk
