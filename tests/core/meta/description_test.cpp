#include "meta/description.h"

#include <gtest/gtest.h>

#include <regex>

namespace wk {
namespace {

std::string Body(const std::string& body) { return "<html><head></head><body>" + body + "</body></html>"; }

TEST(GetSentence, RunsToTheFirstBoundaryAfterTheStartTakingShortSentencesAlong) {
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"This is one. That is two.", 1, "This is one."}, {"This is one? That is two. ", 1, "This is one?"},
        {"This is one. That is two! Or three? ", 14, "That is two!"},
        // Fewer than two spaces: the next sentence comes along. A no-break
        // space counts, the UTF-8 pair once; the 0xA0 byte inside "à" does not.
        {"Hi. Yo. This is long. End", 1, "Hi. Yo. This is long."},
        {"A\xA0" "b c. Next is here.", 1, "A\xA0" "b c."},
        {"A\xC2\xA0" "b c. Next is here.", 1, "A\xC2\xA0" "b c."},
        {"Voil\xC3\xA0 tout. Next is here.", 1, "Voil\xC3\xA0 tout. Next is here."},
        {"Voil\xC3\xA0\xC2\xA0tout. Next is here.", 1, "Voil\xC3\xA0\xC2\xA0tout. Next is here."},
        {"Yes. Go", 1, "Yes. Go"}, {"Yes. ", 1, "Yes."},  // a short last sentence has nothing to take along
        // Without a boundary: the rest of the text, unless at its last character.
        {"Pi is 3.5 now", 1, "Pi is 3.5 now"}, {"It ends here.", 4, "ends here."}, {"abc", 2, "bc"}, {"abc", 3, ""},
        {"abc", 9, ""}, {"", 1, ""}, {"a. b c d", 2, ""},  // the last: a boundary at the start
    };
    for (const auto& [text, start, sentence] : cases) EXPECT_EQ(GetSentence(text, start), sentence) << text;
}

TEST(DropLastSentence, CutsAfterTheBoundaryBeforeTheLastSentence) {
    EXPECT_EQ(DropLastSentence("First one. Second one. "), "First one. ");
    EXPECT_EQ(DropLastSentence("First one. Second one. Third"), "First one. Second one. ");
    for (const char* text : {"Hi. There. ", "No boundary here", "", "ab"})
        EXPECT_EQ(DropLastSentence(text), "") << text;
}

TEST(GenerateDescription, ASentenceStartsAfterAMarkAndASpaceAndAShortOneIsJoinedToTheNext) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"<p>Hi</p>", {}},
        {"<p>Welcome. Our shop sells jazz records.</p>",
         {"Welcome. Our shop sells jazz records.", "Our shop sells jazz records."}},
        {"Pi is 3.5 today. It ends here.", {"Pi is 3.5 today.", "It ends here."}},
    };
    for (const auto& [body, candidates] : cases)
        EXPECT_EQ(GenerateDescription(Body(body)).candidateTexts(), candidates) << body;
    // No usable sentence gives a single space.
    EXPECT_EQ(GenerateDescription(Body("<p>Hi</p>")).text, " ");
    EXPECT_EQ(GenerateDescription("no body at all").text, " ");
    // Two candidates: the last one serves in front and at the back; the back
    // part's final boundary adds an empty piece and one more space.
    EXPECT_EQ(GenerateDescription(Body(cases[1].first)).text,
              "Welcome. Our shop sells jazz records. Our shop sells jazz records.  Our shop sells jazz records.");
}

TEST(GenerateDescription, ThePageOfShortSentencesListsABoundedNumberOfCandidates) {
    std::string body;
    for (int i = 0; i < 3000; ++i) body += "Go on. ";
    const Description d = GenerateDescription(Body("<p>" + body + "</p>"));
    EXPECT_EQ(d.candidates.size(), 3000u);
    const std::vector<std::string> listed = d.candidateTexts();
    ASSERT_EQ(listed.size(), Description::kListedCandidates);
    EXPECT_EQ(listed[0].size(), kDescriptionCap);  // each runs to the page's end, cut to the cap
    EXPECT_EQ(listed.back(), std::string(d.candidate(listed.size() - 1)).substr(0, kDescriptionCap));
}

// A body of n numbered sentences, each long enough to stand alone.
std::string Numbered(int n, const std::string& filler = "") {
    std::string body = "<p>";
    for (int i = 0; i < n; ++i) body += "Item number " + std::to_string(i) + filler + ". ";
    return Body(body + "</p>");
}

std::vector<int> SampledNumbers(const std::string& text) {
    std::vector<int> numbers;
    const std::regex item("Item number ([0-9]+)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), item); it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoi((*it)[1]));
    return numbers;
}

TEST(GenerateDescription, SamplesGrowExponentiallyFromBothEnds) {
    // For N = 200 k runs to 9, and 2^8 = 256 lies beyond the list: only its spaces are left.
    const std::pair<int, std::vector<int>> table[] = {
        {0, {}}, {1, {0}}, {2, {0, 1, 1}}, {8, {0, 1, 2, 6, 7}}, {18, {0, 1, 2, 4, 14, 16, 17}},
        {50, {0, 1, 2, 4, 8, 16, 34, 42, 46, 48, 49}},
        {200, {0, 1, 2, 4, 8, 16, 32, 64, 128, 72, 136, 168, 184, 192, 196, 198, 199}}};
    for (const auto& [n, expected] : table) {
        const Description d = GenerateDescription(Numbered(n));
        EXPECT_EQ(d.candidates.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(SampledNumbers(d.text), expected) << "N = " << n << ": " << d.text;
    }
    EXPECT_EQ(GenerateDescription(Numbered(8)).text,
              "Item number 0. Item number 1. Item number 2.   Item number 6. Item number 7.");
}

TEST(GenerateDescription, ALongDescriptionLosesWholeSentencesFromTheBackFirst) {
    // Eleven sentences of about 80 characters fit.
    const Description d = GenerateDescription(Numbered(50, " " + std::string(60, 'w') + " x"));
    EXPECT_EQ(SampledNumbers(d.text), (std::vector<int>{0, 1, 2, 4, 8, 16, 34, 42, 46, 48, 49}));
    // Sentences of about 118 characters: 709 in front and 595 at the back.
    // The back part's last sentence (34) goes, then the front's (16), then
    // the back's (42), and 947 characters remain.
    const Description cut = GenerateDescription(Numbered(50, " " + std::string(100, 'w') + " x"));
    EXPECT_EQ(SampledNumbers(cut.text), (std::vector<int>{0, 1, 2, 4, 8, 46, 48, 49}));
    EXPECT_LE(cut.text.size(), 1024u);
}

}  // namespace
}  // namespace wk
