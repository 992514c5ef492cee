#include "meta/plain_text.h"

#include <gtest/gtest.h>

namespace wk {
namespace {

TEST(ExtractPlainText, TagsAndEntitiesGoAndSpacesCollapse) {
    EXPECT_EQ(ExtractPlainText("<p>A &amp; B</p>"), "A B");
    EXPECT_EQ(ExtractPlainText("a\r\n\tb"), "a b");
    EXPECT_EQ(ExtractPlainText("<b>bold</b>  and <i>it</i>"), "bold and it");
}

TEST(ExtractPlainText, AnAmpersandInsideATagHidesTextUpToTheNextSemicolon) {
    EXPECT_EQ(ExtractPlainText("<a href=\"x?a=1&b=2\">more</a> text; rest"), " rest");
    EXPECT_EQ(ExtractPlainText("fish & chips"), "fish ");
}

TEST(ExtractPlainText, BracketsAndSemicolonsOutsideTagsStay) { EXPECT_EQ(ExtractPlainText("a > b; c"), "a > b; c"); }

TEST(ExtractPlainText, SentenceEndsBeforeTagsGetASpace) {
    EXPECT_EQ(ExtractPlainText("<p>One.</p><p>Two!</p><p>Three?</p>"), "One. Two! Three? ");
    EXPECT_EQ(ExtractPlainText("One.<br>Two"), "One. Two");
}

TEST(ExtractPlainText, HeadingsAndParagraphsClosedAfterASpaceEndASentence) {
    EXPECT_EQ(ExtractPlainText("<h1>Title </h1>Text"), "Title. Text");
    EXPECT_EQ(ExtractPlainText("<p>Line </P>"), "Line. ");
    EXPECT_EQ(ExtractPlainText("<h1>Title</h1>Text"), "TitleText");
    EXPECT_EQ(ExtractPlainText("<b>Bold </b>x"), "Bold x");
}

TEST(ExtractPlainText, RepeatedMarksAndSpacesBeforeMarksCollapse) {
    EXPECT_EQ(ExtractPlainText("Wait... what?. Yes!.. No ! Maybe  ?"), "Wait. what? Yes! No! Maybe?");
    // Removing spaces can bring marks together again; those stay.
    EXPECT_EQ(ExtractPlainText("a . . b"), "a.. b");
    EXPECT_EQ(ExtractPlainText("3.5 is 3.5"), "3.5 is 3.5");
}

TEST(ExtractPlainText, UnclosedThingsHideTheRest) {
    EXPECT_EQ(ExtractPlainText("before <a href=\"x\" after"), "before ");
    EXPECT_EQ(ExtractPlainText("before &nbsp after"), "before ");
    EXPECT_EQ(ExtractPlainText(""), "");
}

}  // namespace
}  // namespace wk
