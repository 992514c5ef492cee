#include "markup/no_break_space.h"

#include <gtest/gtest.h>

#include <string>

namespace wk {
namespace {

constexpr std::size_t npos = std::string_view::npos;

TEST(NoBreakSpace, IsTheLoneByteOfASingleBytePageOrTheUtf8Pair) {
    EXPECT_EQ(NoBreakSpaceAt("a\xA0z", 1), 1u);
    EXPECT_EQ(NoBreakSpaceAt("a\xC2\xA0z", 1), 2u);
    // The pair's second byte is not a space of its own.
    EXPECT_EQ(NoBreakSpaceAt("a\xC2\xA0z", 2), 0u);
    EXPECT_EQ(NoBreakSpaceAt("a z", 1), 0u);
    EXPECT_EQ(NoBreakSpaceAt("a", 5), 0u);
}

TEST(NoBreakSpace, AnA0ByteInsideAnotherUtf8LetterIsNone) {
    EXPECT_EQ(NoBreakSpaceAt("voil\xC3\xA0", 5), 0u);      // à
    EXPECT_EQ(NoBreakSpaceAt("\xD0\xA0ussia", 1), 0u);     // Р
    EXPECT_EQ(NoBreakSpaceAt("x\xE2\x80\xA0", 3), 0u);     // †
    EXPECT_EQ(NoBreakSpaceAt("\xF0\x9F\x82\xA0", 3), 0u);  // a four-byte letter
    EXPECT_EQ(FindNoBreakSpace("Voil\xC3\xA0 \xE2\x80\xA0"), npos);
}

TEST(NoBreakSpace, AnA0ByteAfterABrokenSequenceStandsAlone) {
    // Latin-1 "é" (0xE9) opens no whole UTF-8 letter with "\xA0!", so the
    // 0xA0 is the page's no-break space.
    EXPECT_EQ(NoBreakSpaceAt("caf\xE9\xA0!", 4), 1u);
    // "À" (0xC3 0x80) is complete before the 0xA0.
    EXPECT_EQ(NoBreakSpaceAt("\xC3\x80\xA0", 2), 1u);
    // Four continuation bytes in a row belong to no letter.
    EXPECT_EQ(NoBreakSpaceAt("\xE2\x80\x80\x80\xA0", 4), 1u);
}

TEST(NoBreakSpace, FindGivesWhereTheSpaceStarts) {
    EXPECT_EQ(FindNoBreakSpace("ab\xC2\xA0"
                               "c\xA0"),
              2u);
    EXPECT_EQ(FindNoBreakSpace("ab\xC2\xA0"
                               "c\xA0",
                               3),
              5u);
    EXPECT_EQ(FindNoBreakSpace("\xC2\xC2\xA0"), 1u);
    EXPECT_EQ(FindNoBreakSpace(""), npos);
}

}  // namespace
}  // namespace wk
