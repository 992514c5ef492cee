#include "markup/scan.h"

#include <gtest/gtest.h>

#include "ground/text.h"

namespace wk {
namespace {

// The in-place routines as functions of the page.
std::string Written(std::string page, std::string_view name, std::string_view value) {
    WriteMetaTag(page, name, value);
    return page;
}
std::string Inserted(std::string page, std::string_view anchor, std::string_view block) {
    InsertAtAnchor(page, anchor, block);
    return page;
}

TEST(ExtractTagContent, ReadsSpacedAndBareFormsInAnyCase) {
    EXPECT_EQ(ExtractTagContent("<body bgcolor=\"#fff\">Hi</body>", "body"), "Hi");
    EXPECT_EQ(ExtractTagContent("<BODY>Hi</BODY>", "body"), "Hi");
    EXPECT_EQ(ExtractTagContent("<html><head><title>t</title></head></html>", "head"), "<title>t</title>");
}

TEST(ExtractTagContent, TheFirstOpeningWinsEvenInsideAComment) {
    EXPECT_EQ(ExtractTagContent("<!-- <body> --><body class=\"x\">Real</body>", "body"), " --><body class=\"x\">Real");
    // The bare form earlier in the page beats a later spaced form, and the other way round.
    EXPECT_EQ(ExtractTagContent("<p>a</p><p class=\"b\">b</p>", "p"), "a");
    EXPECT_EQ(ExtractTagContent("<p class=\"b\">b</p><p>a</p>", "p"), "b");
}

TEST(ExtractTagContent, NestingIsIgnoredTheFirstClosingTagEnds) {
    EXPECT_EQ(ExtractTagContent("<div>a<div>b</div>c</div>", "div"), "a<div>b");
}

TEST(ExtractTagContent, MissingPartsGiveEmpty) {
    EXPECT_EQ(ExtractTagContent("<body>Hi", "body"), "");
    EXPECT_EQ(ExtractTagContent("<body\nclass=\"x\">Hi</body>", "body"), "");
    EXPECT_EQ(ExtractTagContent("<body\tclass=\"x\">Hi</body>", "body"), "");
    EXPECT_EQ(ExtractTagContent("no tags at all", "body"), "");
    EXPECT_EQ(ExtractTagContent("<body class=\"never closed", "body"), "");
    // A closing tag before the opening one does not count.
    EXPECT_EQ(ExtractTagContent("</body><body>x", "body"), "");
    EXPECT_EQ(ExtractTagContent("<body></body>", "body"), "");
}

TEST(ReadMetaContent, ReadsTheNameFirstFormInAnyCase) {
    EXPECT_EQ(ReadMetaContent("<META NAME=\"keywords\" CONTENT=\"a,b\">", "keywords"), "a,b");
    EXPECT_EQ(ReadMetaContent("<meta name=\"category\" content=\"Birds\">", "category"), "Birds");
    EXPECT_EQ(ReadMetaContent("<meta name=\"category\" content=\"\">", "category"), "");
}

TEST(ReadMetaContent, OtherFormsAreInvisible) {
    EXPECT_EQ(ReadMetaContent("<meta content=\"a,b\" name=\"keywords\">", "keywords"), "");
    EXPECT_EQ(ReadMetaContent("<meta name=\"keywords\"  content=\"a,b\">", "keywords"), "");
    EXPECT_EQ(ReadMetaContent("<meta name='keywords' content='a,b'>", "keywords"), "");
    EXPECT_EQ(ReadMetaContent("<meta name=\"keyword\" content=\"a\">", "keywords"), "");
}

TEST(ReadMetaContent, AValueWithoutItsClosingQuoteEndsAtTheTag) {
    const std::string page = "<meta name=\"author\" content=\"Ann>\r\n<title>t</title><p class=\"x\">";
    EXPECT_EQ(ReadMetaContent(page, "author"), "Ann");
    EXPECT_EQ(ReadMetaContent("<meta name=\"author\" content='Ann Lee'>", "author"), "Ann Lee");
    EXPECT_EQ(ReadMetaContent("<meta name=\"author\" content=Ann>", "author"), "Ann");
    EXPECT_EQ(ReadMetaContent("<meta name=\"author\" content=", "author"), "");
    EXPECT_EQ(ReadMetaContent("<meta name=\"author\" content=\"Ann", "author"), "");
    // A ">" or "<" inside a properly quoted value is part of the value.
    EXPECT_EQ(ReadMetaContent("<meta name=\"description\" content=\"a > b\">", "description"), "a > b");
    EXPECT_EQ(ReadMetaContent("<meta name=\"description\" content=\"a < b\" />", "description"), "a < b");
}

TEST(WriteMetaTag, ReplacesOnlyTheExistingValue) {
    const std::string page = "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"old\" >\r\n</HEAD>x";
    EXPECT_EQ(Written(page, "keywords", "jazz,quiz"),
              "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"jazz,quiz\" >\r\n</HEAD>x");
    EXPECT_EQ(Written(page, "keywords", ""), "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"\" >\r\n</HEAD>x");
}

TEST(WriteMetaTag, AddsAfterTheLastHttpEquivTag) {
    const std::string page = "<head><meta http-equiv=\"a\" content=\"1\"><META HTTP-EQUIV=\"b\" content=\"2\"><title>";
    EXPECT_EQ(Written(page, "author", "Ann"),
              "<head><meta http-equiv=\"a\" content=\"1\"><META HTTP-EQUIV=\"b\" content=\"2\">\r\n"
              "<meta name=\"author\" content=\"Ann\"><title>");
}

TEST(WriteMetaTag, AddsAfterTheFirstBareHeadInLowerCase) {
    EXPECT_EQ(Written("<HTML><HEAD></HEAD><HEAD>", "author", "Ann"),
              "<HTML><head>\r\n<meta name=\"author\" content=\"Ann\"></HEAD><HEAD>");
}

TEST(WriteMetaTag, APageWithoutTargetIsUnchanged) {
    const std::string page = "<html><head profile=\"x\"><title>t</title></head></html>";
    EXPECT_EQ(Written(page, "author", "Ann"), page);
    EXPECT_EQ(Written("", "author", "Ann"), "");
}

TEST(WriteMetaTag, TagsWrittenOneAfterAnotherComeOutReversed) {
    std::string page = "<html><head><title>t</title></head><body></body></html>";
    for (const char* name : {"company", "author", "copyright"}) page = Written(page, name, name);
    const std::size_t copyright = page.find("\"copyright\""), author = page.find("\"author\""),
                      company = page.find("\"company\"");
    ASSERT_NE(company, std::string::npos);
    EXPECT_LT(copyright, author);
    EXPECT_LT(author, company);
}

TEST(WriteMetaTag, QuotesInTheValueAreWrittenAsEntities) {
    const std::string fresh = Written("<head></head>", "description", "The \"best\" <b>shop</b>");
    EXPECT_EQ(fresh, "<head>\r\n<meta name=\"description\" content=\"The &quot;best&quot; &lt;b>shop&lt;/b>\"></head>");
    // Writing again replaces the whole value; nothing piles up.
    const std::string again = Written(fresh, "description", "The \"best\" <b>shop</b>");
    EXPECT_EQ(again, fresh);
    EXPECT_EQ(ReadMetaContent(again, "description"), "The &quot;best&quot; &lt;b>shop&lt;/b>");
}

TEST(WriteMetaTag, AValueWithoutItsClosingQuoteIsRewrittenWholeWithoutLosingText) {
    const std::string page = "<head><meta name=\"author\" content=\"Ann>\r\n<title>t</title></head><p class=\"x\">";
    EXPECT_EQ(Written(page, "author", "Bo"),
              "<head><meta name=\"author\" content=\"Bo\">\r\n<title>t</title></head><p class=\"x\">");
    EXPECT_EQ(Written("<meta name=\"author\" content='Ann'>x", "author", "Bo"),
              "<meta name=\"author\" content=\"Bo\">x");
    EXPECT_EQ(Written("<meta name=\"author\" content=Ann />x", "author", "Bo"),
              "<meta name=\"author\" content=\"Bo\" />x");
    // A tag that never ends is left alone rather than guessed at.
    const std::string open = "<head><meta name=\"author\" content=\"Ann";
    EXPECT_EQ(Written(open, "author", "Bo"), open);
    const std::string broken = "<head><meta name=\"author\" content=\"Ann <title>t</title></head>";
    EXPECT_EQ(Written(broken, "author", "Bo"), broken);
    EXPECT_EQ(ReadMetaContent(broken, "author"), "");
}

const std::string kAnchorPage =
    "<html><head><title>t</title></head><BODY bgcolor=\"w\"><BR><div id=\"top\" class=\"nav\">a</div>"
    "<div class=\"nav\">b</div></body></html>";

TEST(InsertAtAnchor, APageHoldingTheIncludeIsUnchangedWhateverTheBlock) {
    const std::string page = "<body>" + std::string(IncludeDirective()) + "</body>";
    EXPECT_EQ(Inserted(page, "<BODY>", "X"), page);
    EXPECT_EQ(Inserted(page, "<BODY>", IncludeDirective()), page);
}

TEST(InsertAtAnchor, PutsTheBlockAfterTheAnchorTag) {
    EXPECT_EQ(Inserted("<html><body class=\"a\">x</body>", "<BODY>", "[M]"),
              "<html><body class=\"a\">[M]x</body>");
    // Without "<" the anchor still names the tag.
    EXPECT_EQ(Inserted("<html><body>x</body>", "BODY", "[M]"), "<html><body>[M]x</body>");
    // Text after the anchor's first ">" is dropped when the anchor does not end with ">".
    EXPECT_EQ(Inserted("<html><body>x</body>", "<body>junk", "[M]"), "<html><body>[M]x</body>");
}

TEST(InsertAtAnchor, AShortPrefixMatchesLongerTags) {
    EXPECT_EQ(Inserted("<html><BODY>x<BR></BODY>", "<B>", "[M]"), "<html><BODY>[M]x<BR></BODY>");
}

TEST(InsertAtAnchor, AClosingAnchorPutsTheBlockBeforeTheClosingTag) {
    EXPECT_EQ(Inserted("<html><head><title>t</title></HEAD><body>", "</head>", "[M]"),
              "<html><head><title>t</title>[M]</HEAD><body>");
    EXPECT_EQ(Inserted("<html><head><title>t</title><body>", "</head>", "[M]"),
              "<html><head><title>t</title><body>");
}

TEST(InsertAtAnchor, ClassAndIdFiltersChooseTheElement) {
    const std::string byClass = Inserted(kAnchorPage, "<div class=\"nav\">", "[M]");
    EXPECT_NE(byClass.find("<div id=\"top\" class=\"nav\">[M]a"), std::string::npos);
    const std::string byId = Inserted(kAnchorPage, "<div id=\"top\">", "[M]");
    EXPECT_NE(byId.find("class=\"nav\">[M]a</div>"), std::string::npos);
    // The second div has the class but not the id: both filters must hold.
    const std::string both = Inserted(kAnchorPage, "<DIV class=\"nav\" id=\"top\">", "[M]");
    EXPECT_EQ(both, byId);
    const std::string second =
        Inserted("<div class=\"menu\">a</div><div id=\"x\" class=\"nav\">b</div>", "<div class=\"nav\">", "[M]");
    EXPECT_EQ(second, "<div class=\"menu\">a</div><div id=\"x\" class=\"nav\">[M]b</div>");
}

TEST(InsertAtAnchor, ANoBreakSpaceInTheAnchorEndsTheTagNameInEitherForm) {
    const std::string page = "<p>x</p><div class=\"menu\">a</div><div class=\"nav\">b</div>";
    const std::string expected = "<p>x</p><div class=\"menu\">a</div><div class=\"nav\">[M]b</div>";
    EXPECT_EQ(Inserted(page,
                             "<div\xA0"
                             "class=\"nav\">",
                             "[M]"),
              expected);
    // Typed text is UTF-8: the whole pair goes, not only its second byte.
    EXPECT_EQ(Inserted(page,
                             "<div\xC2\xA0"
                             "class=\"nav\">",
                             "[M]"),
              expected);
    EXPECT_EQ(Inserted(page, "<div class=\"nav\"\xC2\xA0id=\"x\">", "[M]"), page);
    EXPECT_EQ(Inserted(page,
                             "<div id=\"x\"\xC2\xA0"
                             "class=\"nav\">",
                             "[M]"),
              page);
    EXPECT_EQ(Inserted("<div id=\"x\">a</div>", "<div id=\"x\"\xC2\xA0>", "[M]"), "<div id=\"x\">[M]a</div>");
}

TEST(InsertAtAnchor, NoMatchingElementLeavesThePageUnchanged) {
    EXPECT_EQ(Inserted(kAnchorPage, "<div class=\"side\">", "[M]"), kAnchorPage);
    EXPECT_EQ(Inserted(kAnchorPage, "<table>", "[M]"), kAnchorPage);
    EXPECT_EQ(Inserted("<html><body", "<BODY>", "[M]"), "<html><body");
    EXPECT_EQ(Inserted("<div class=\"nav\"", "<div class=\"nav\">", "[M]"), "<div class=\"nav\"");
}

TEST(InsertAtAnchor, AFilterMustLieInsideTheTagText) {
    // The class text after the first div's ">" does not make it match.
    EXPECT_EQ(Inserted("<div>class=\"nav\"</div><div class=\"nav\">", "<div class=\"nav\">", "[M]"),
              "<div>class=\"nav\"</div><div class=\"nav\">[M]");
}

}  // namespace
}  // namespace wk
