#include "ground/text.h"

#include <gtest/gtest.h>
#include <random>

namespace wk {
namespace {

// The plain definition: compare at every position.
std::size_t NaiveFind(std::string_view hay, std::string_view needle, std::size_t from, bool last) {
    std::size_t found = std::string::npos;
    for (std::size_t i = from; i + needle.size() <= hay.size(); ++i) {
        if (EqualsNoCase(hay.substr(i, needle.size()), needle)) {
            found = i;
            if (!last) break;
        }
    }
    return found;
}

TEST(FindNoCase, AgreesWithComparingAtEveryPosition) {
    std::mt19937 random(7);
    const std::string alphabet = "aAbB<>/ \xe9\xc9";
    auto text = [&](std::size_t most) {
        std::string t(random() % (most + 1), ' ');
        for (char& c : t) c = alphabet[random() % alphabet.size()];
        return t;
    };
    for (int round = 0; round < 20000; ++round) {
        // Every tenth a long text and a long needle, which are searched by
        // skipping ahead: a piece of the text in other letter case, or not.
        const bool skipping = round % 10 == 0;
        const std::string hay = text(skipping ? 700 : 40);
        std::string needle = text(4);
        if (skipping && hay.size() > 20) {
            needle = hay.substr(random() % (hay.size() - 20), 8 + random() % 12);
            for (char& c : needle) c = random() % 2 ? AsciiLower(c) : static_cast<char>(std::toupper(c));
            if (round % 20 == 0) needle.back() = '/';
        }
        const std::size_t from = random() % (hay.size() + 2);
        const std::size_t expected =
            needle.empty() && from <= hay.size() ? from : NaiveFind(hay, needle, from, false);
        ASSERT_EQ(FindNoCase(hay, needle, from), expected) << "'" << hay << "' '" << needle << "' from " << from;
        if (!needle.empty()) {
            ASSERT_EQ(FindLastNoCase(hay, needle), NaiveFind(hay, needle, 0, true));
        }
    }
}

TEST(FindNoCase, FoldsAsciiLettersOnly) {
    EXPECT_EQ(FindNoCase("<HTML><Body>", "<body"), 6u);
    EXPECT_EQ(FindNoCase("caf\xc9", "caf\xe9"), std::string::npos);  // bytes above ASCII stay as they are
    EXPECT_EQ(FindLastNoCase("<META a><meta b>", "<Meta"), 8u);
}

TEST(LeadingValue, ReadsTheLeadingNumberOnly) {
    // Blanks inside the number are skipped.
    const std::pair<const char*, double> cases[] = {{"2\r\n", 2}, {" -1", -1}, {"9.75abc", 9.75}, {"1 4", 14},
                                                    {"yes", 0},    {".", 0},   {"", 0},         {"1e2x", 100}};
    for (const auto& [text, value] : cases) EXPECT_EQ(LeadingValue(text), value) << text;
}

TEST(TrimSpaces, RemovesOnlyPlainSpacesAtTheEnds) {
    const std::pair<const char*, const char*> cases[] = {
        {"  a b  ", "a b"}, {"\t a ", "\t a"}, {"\xA0x\xA0", "\xA0x\xA0"}, {"", ""}, {"   ", ""}};
    for (const auto& [text, trimmed] : cases) EXPECT_EQ(TrimSpaces(text), trimmed);
}

}  // namespace
}  // namespace wk
