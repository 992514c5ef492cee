// The improved proposals: what the content reader keeps and drops, and what
// the keyword and description proposals make of it.
#include <gtest/gtest.h>

#include <algorithm>

#include "ground/text.h"
#include "meta/content_text.h"
#include "meta/description.h"
#include "meta/improved_description.h"
#include "meta/improved_keywords.h"
#include "meta/keywords.h"
#include "meta/page_letters.h"
#include "meta/proposals.h"

namespace wk {
namespace {

std::string Page(const std::string& body, const std::string& head = "") {
    return "<html><head>" + head + "</head><body>" + body + "</body></html>";
}

const std::string kContent = "<p>Jazz records are sold here.</p>";
const char* const kUtf8 = "<meta charset=\"utf-8\">";
const char* const kLatin1 = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">";

struct ReadingCase {
    const char* what;
    std::string page;
    std::vector<std::string> keywords;  // each among the proposed keywords
    std::string description;            // exactly
};

// No word of a dropped part may reach either proposal; each case's dropped
// words are "zebra", "jukebox" and "quiz".
TEST(ImprovedProposals, ReadTheContentOnly) {
    const ReadingCase cases[] = {
        {"script, style, comments and other unread elements",
         Page("<script>var zebra = '<p>jukebox</p>';</script><style>p{quiz:1}</style><!-- zebra <p>quiz</p> -->"
              "<noscript>zebra</noscript><template>jukebox</template><svg><text>quiz</text></svg>" +
              kContent),
         {"jazz", "records", "sold"},
         "Jazz records are sold here."},
        {"no main: the body less its header, navigation, aside and footer",
         Page("<header><h1>Zebra</h1></header><nav><a href=/>Jukebox</a></nav><div role=\"navigation\"><div>quiz"
              "</div> jukebox</div>" +
              kContent + "<aside>Zebra mugs are sold.</aside><footer>Quiz</footer>"),
         {"jazz", "records", "sold"},
         "Jazz records are sold here."},
        {"main preferred, navigation nested inside it skipped",
         Page("<p>Zebra quiz jukebox outside the main part.</p><div role=\"main\"><nav><p>Jukebox menu here.</p>"
              "</nav><div><aside>quiz</aside>" +
              kContent + "</div></div><p>Quiz after it.</p>"),
         {"jazz", "records"},
         "Jazz records are sold here."},
        {"article counts as main",
         Page("<div>Quiz zebra jukebox text.</div><article>" + kContent + "</article>"),
         {"jazz"},
         "Jazz records are sold here."},
        {"entities decoded: &amp; is no word, caf&eacute; one, &nbsp; a space",
         Page("<p>Caf&eacute;&nbsp;concerts &amp; jazz nights are held.</p>", kUtf8),
         {"caf\xC3\xA9", "concerts", "jazz"},
         "Caf\xC3\xA9 concerts & jazz nights are held."},
        {"an entity in a single-byte page is written as its byte",
         Page("<p>Caf&eacute; concerts are held.</p>", kLatin1),
         {"caf\xE9"},
         "Caf\xE9 concerts are held."},
        {"UTF-8 letters kept whole",
         Page("<p>Na\xC3\xAFve Stra\xC3\x9F"
              "e \xD0\xB4\xD0\xBE\xD0\xBC is here.</p>"),
         {"na\xC3\xAFve",
          "stra\xC3\x9F"
          "e",
          "\xD0\xB4\xD0\xBE\xD0\xBC"},
         "Na\xC3\xAFve Stra\xC3\x9F"
         "e \xD0\xB4\xD0\xBE\xD0\xBC is here."},
        {"ISO-8859-1 letters kept whole, undeclared too",
         Page("<p>Na\xEFve caf\xE9 na\xEFve is here.</p>"),
         {"na\xEFve", "caf\xE9"},
         "Na\xEFve caf\xE9 na\xEFve is here."},
        {"block tags part words, inline tags do not",
         Page("<table><tr><td>Jazz</td><td>records</td></tr></table><p><b>Bl</b>ues is sold here.</p>"),
         {"jazz", "records", "blues"},
         "Blues is sold here."},
    };
    for (const ReadingCase& c : cases) {
        const Proposals p = Propose(c.page, ProposalMethod::Improved, Candidates::Omitted);
        const std::vector<std::string> keywords = FillKeywordList(p.keywords);
        for (const std::string& word : c.keywords)
            EXPECT_NE(std::find(keywords.begin(), keywords.end(), word), keywords.end()) << c.what << ": " << word;
        for (const char* dropped : {"zebra", "jukebox", "quiz", "amp", "nbsp", "eacute"}) {
            EXPECT_EQ(std::find(keywords.begin(), keywords.end(), dropped), keywords.end())
                << c.what << ": " << dropped;
            EXPECT_EQ(AsciiLowerCase(p.description).find(dropped), std::string::npos) << c.what << ": " << dropped;
        }
        EXPECT_EQ(p.description, c.description) << c.what;
    }
}

TEST(ImprovedKeywords, TitleAndHeadingsWeighAboveBodyAndStopWordsGo) {
    const std::pair<std::string, std::string> cases[] = {
        // Anagrams weigh the same by their letters: the title once outweighs
        // three times in the body, which outweighs a top heading, which
        // outweighs a lower heading, which outweighs once in the body.
        {Page("<p>The lemon and the lemon of the lemon.</p>", "<title>Melon</title>"), "melon,lemon"},
        {Page("<p>Melon melon melon. Lemons.</p><h1>Lemon</h1><h3>Solemn</h3>"), "lemon,melon,solemn,lemons"},
        // One-letter words, digits and stop words are no keywords; "doesn't" leaves only stop words.
        {Page("<p>A b 42 x86 doesn't it is we</p>"), ""},
        // Stop words are English: a page in another language keeps them.
        {"<html lang=\"de\"><body><p>the</p></body></html>", "the"},
        {"<html lang=\"en-GB\"><body><p>the</p></body></html>", ""},
        // Words of code blocks do not count.
        {Page("<pre>zebra</pre><p>melon</p>"), "melon"},
    };
    for (const auto& [page, keywords] : cases) EXPECT_EQ(GenerateImprovedKeywords(page), keywords) << page;
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "zzzzzz" + std::string(1, static_cast<char>('a' + i / 26)) +
                std::string(1, static_cast<char>('a' + i % 26)) + " ";
    const std::string list = GenerateImprovedKeywords(Page("<p>" + many + "</p>"));
    EXPECT_LE(list.size(), 1023u);
    EXPECT_GT(list.size(), 1000u);
    for (const std::string& entry : FillKeywordList(list)) EXPECT_EQ(entry.size(), 8u) << entry;
}

TEST(ImprovedDescription, TheFirstWholeSentencesOfTheContent) {
    const std::string longer(120, 'x');
    const std::pair<std::string, std::string> cases[] = {
        // Sentences are added while the whole stays within 160 characters.
        {"<p>First one is here. Second one is here.</p><p>Third one is here. Last one is " + longer + ".</p>",
         "First one is here. Second one is here. Third one is here."},
        // A heading is no sentence, and a heading between ends the description.
        {"<h1>Jazz records for all</h1><p>We sell jazz records.</p><h2>More</h2><p>And blues records too.</p>",
         "We sell jazz records."},
        // Runs of links, code, and short sentences are passed over for a first statement.
        {"<ul><li><a href=a>Jazz records and more</a></li></ul><pre>We sell x = 1;</pre>"
         "<p>if (a == b) { go(); }</p><p>Welcome. We sell jazz records.</p>",
         "We sell jazz records."},
        // Numbered lines are a listing, comments and all.
        {"<div>1 This file is free software.</div><div>2 It comes with no warranty.</div><div>3 int x;</div>"
         "<p>We sell jazz records.</p>",
         "We sell jazz records."},
        // "e.g. the" goes on; a mark then a capital ends a sentence.
        {"<p>Some records, e.g. the blue ones, are rare. Others are not so rare at all.</p>",
         "Some records, e.g. the blue ones, are rare. Others are not so rare at all."},
        // Without a statement: the first phrase of a few words that captions no links.
        {"<p>Table of Contents</p><ul><li><a href=a>One</a></li></ul><p>gettext - translate message</p>",
         "gettext - translate message"},
        // An ampersand that could start a reference is written as one.
        {"<p>Q&amp;A sessions on jazz &amp; blues are held.</p>", "Q&amp;A sessions on jazz & blues are held."},
        // A site generator's signature says nothing of the page.
        {"<p>This page was generated by Jo using texi2html 1.78a.</p><p>Created using Sphinx 5.3.</p>", ""},
        // Only navigation, links and headings: nothing to say.
        {"<nav><p>Our shop sells jazz records.</p></nav><h1>Jazz records for all</h1>"
         "<ul><li><a href=a>Jazz records and more</a></li><li><a href=b>Blues records and more</a></li></ul>",
         ""},
    };
    for (const auto& [body, description] : cases)
        EXPECT_EQ(GenerateImprovedDescription(Page(body)), description) << body;
    // A first sentence far longer than a description is cut at a word.
    EXPECT_EQ(GenerateImprovedDescription(
                  Page("<p>Word " + std::string(100, 'a') + " " + std::string(100, 'b') + " sold here.</p>")),
              "Word " + std::string(100, 'a') + "...");
}

TEST(Propose, ClassicIsTheSpecifiedPairAndImprovedKeepsItsCandidatesAfterItsOwn) {
    const std::string page = Page("<nav>Home. Shop.</nav><p>Welcome. Our shop sells jazz records.</p>");
    const Proposals classic = Propose(page, ProposalMethod::Classic);
    EXPECT_EQ(classic.keywords, GenerateKeywords(page));
    EXPECT_EQ(classic.description, GenerateDescription(page).text);
    EXPECT_EQ(classic.candidates, GenerateDescription(page).candidateTexts());
    const Proposals improved = Propose(page, ProposalMethod::Improved);
    ASSERT_EQ(improved.candidates.size(), classic.candidates.size() + 1);
    EXPECT_EQ(improved.candidates[0], "Our shop sells jazz records.");
    EXPECT_EQ(improved.description, improved.candidates[0]);
    EXPECT_TRUE(std::equal(classic.candidates.begin(), classic.candidates.end(), improved.candidates.begin() + 1));
    EXPECT_EQ(ProposeKeywords(page, ProposalMethod::Improved), improved.keywords);
    EXPECT_EQ(ProposeDescription(page, ProposalMethod::Classic), classic.description);
}

TEST(PageLetters, BytesBeyondAsciiAreLettersUnlessSpacesOrSigns) {
    const std::pair<char32_t, bool> letters[] = {{'a', true},   {'Z', true},     {'1', false},  {'_', false},
                                                 {0xE9, true},  {0xAA, true},    {0xA0, false}, {0xB6, false},
                                                 {0xD7, false}, {0x2014, false}, {0x3B1, true}, {0x1F600, false}};
    for (const auto& [code, letter] : letters) EXPECT_EQ(IsLetter(code), letter) << static_cast<unsigned>(code);
    const std::pair<std::string, PageEncoding> encodings[] = {
        {"caf\xC3\xA9", PageEncoding::Utf8},
        {"caf\xE9", PageEncoding::SingleByte},
        {"plain", PageEncoding::Utf8},
        {std::string(kLatin1) + "caf\xC3\xA9", PageEncoding::SingleByte},
        {std::string(kUtf8) + "caf\xE9", PageEncoding::Utf8}};
    for (const auto& [page, encoding] : encodings) EXPECT_EQ(DetectPageEncoding(page), encoding) << page;
    // A byte that starts no sequence of a UTF-8 page is read alone.
    EXPECT_EQ(CharAt("\xE9t\xC3\xA9", 0, PageEncoding::Utf8).code, 0xE9u);
    EXPECT_EQ(CharAt("\xE9t\xC3\xA9", 2, PageEncoding::Utf8).length, 2u);
}

}  // namespace
}  // namespace wk
