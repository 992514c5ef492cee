#include "markup/scan.h"

#include <gtest/gtest.h>
#include <string>

#include "core/markup/page_samples.h"
#include "ground/text.h"
#include "markup/no_break_space.h"

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

struct Case {
    std::string page, name, expected;
};

TEST(ExtractTagContent, TheFirstOpeningOfEitherFormToTheFirstClosingTag) {
    const Case cases[] = {
        {"<body bgcolor=\"#fff\">Hi</body>", "body", "Hi"}, {"<BODY>Hi</BODY>", "body", "Hi"},
        {"<html><head><title>t</title></head></html>", "head", "<title>t</title>"},
        // The first opening wins even inside a comment, bare or spaced, whichever comes first.
        {"<!-- <body> --><body class=\"x\">Real</body>", "body", " --><body class=\"x\">Real"},
        {"<p>a</p><p class=\"b\">b</p>", "p", "a"}, {"<p class=\"b\">b</p><p>a</p>", "p", "b"},
        {"<div>a<div>b</div>c</div>", "div", "a<div>b"},  // nesting is ignored
        // Missing parts give nothing; only a space makes the spaced form.
        {"<body>Hi", "body", ""}, {"<body\nclass=\"x\">Hi</body>", "body", ""},
        {"<body\tclass=\"x\">Hi</body>", "body", ""}, {"no tags at all", "body", ""},
        {"<body class=\"never closed", "body", ""}, {"<body></body>", "body", ""},
        {"</body><body>x", "body", ""},  // a closing tag before the opening one does not count
    };
    for (const Case& c : cases) EXPECT_EQ(ExtractTagContent(c.page, c.name), c.expected) << c.page;
}

TEST(ReadMetaContent, OnlyTheNameFirstFormAndAnUnquotedValueEndsAtTheTag) {
    const Case cases[] = {
        {"<META NAME=\"keywords\" CONTENT=\"a,b\">", "keywords", "a,b"},
        {"<meta name=\"category\" content=\"Birds\">", "category", "Birds"},
        {"<meta name=\"category\" content=\"\">", "category", ""},
        // Other forms are invisible.
        {"<meta content=\"a,b\" name=\"keywords\">", "keywords", ""},
        {"<meta name=\"keywords\"  content=\"a,b\">", "keywords", ""},
        {"<meta name='keywords' content='a,b'>", "keywords", ""},
        {"<meta name=\"keyword\" content=\"a\">", "keywords", ""},
        // A value without its closing quote ends at the tag.
        {"<meta name=\"author\" content=\"Ann>\r\n<title>t</title><p class=\"x\">", "author", "Ann"},
        {"<meta name=\"author\" content='Ann Lee'>", "author", "Ann Lee"},
        {"<meta name=\"author\" content=Ann>", "author", "Ann"}, {"<meta name=\"author\" content=", "author", ""},
        {"<meta name=\"author\" content=\"Ann", "author", ""},
        // A ">" or "<" inside a properly quoted value is part of the value.
        {"<meta name=\"description\" content=\"a > b\">", "description", "a > b"},
        {"<meta name=\"description\" content=\"a < b\" />", "description", "a < b"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadMetaContent(c.page, c.name), c.expected) << c.page;
}

TEST(WriteMetaTag, ReplacesTheValueElseAddsAfterTheLastHttpEquivTagElseAfterTheFirstBareHead) {
    const std::string equiv = "<head><meta http-equiv=\"a\" content=\"1\"><META HTTP-EQUIV=\"b\" content=\"2\">";
    const std::string noHead = "<html><head profile=\"x\"><title>t</title></head></html>";
    const std::string open = "<head><meta name=\"author\" content=\"Ann";
    const std::string broken = "<head><meta name=\"author\" content=\"Ann <title>t</title></head>";
    const std::string keywords = "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"old\" >\r\n</HEAD>x";
    // The page, the value written for "author" (for "keywords" on the page that has them), the page after.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {keywords, "jazz,quiz", "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"jazz,quiz\" >\r\n</HEAD>x"},
        {keywords, "", "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"\" >\r\n</HEAD>x"},
        {equiv + "<title>", "Ann", equiv + "\r\n<meta name=\"author\" content=\"Ann\"><title>"},
        // The first bare head is written in lower case.
        {"<HTML><HEAD></HEAD><HEAD>", "Ann", "<HTML><head>\r\n<meta name=\"author\" content=\"Ann\"></HEAD><HEAD>"},
        {noHead, "Ann", noHead},  // without either the page is unchanged
        {"", "Ann", ""},
        // A value without its closing quote is rewritten whole without losing text.
        {"<head><meta name=\"author\" content=\"Ann>\r\n<title>t</title></head><p class=\"x\">", "Bo",
         "<head><meta name=\"author\" content=\"Bo\">\r\n<title>t</title></head><p class=\"x\">"},
        {"<meta name=\"author\" content='Ann'>x", "Bo", "<meta name=\"author\" content=\"Bo\">x"},
        {"<meta name=\"author\" content=Ann />x", "Bo", "<meta name=\"author\" content=\"Bo\" />x"},
        // A tag that never ends is left alone rather than guessed at.
        {open, "Bo", open},
        {broken, "Bo", broken},
    };
    for (const auto& [page, value, written] : cases)
        EXPECT_EQ(Written(page, page == keywords ? "keywords" : "author", value), written) << page;
    EXPECT_EQ(ReadMetaContent(broken, "author"), "");
}

TEST(WriteMetaTag, QuotesInTheValueAreWrittenAsEntities) {
    const std::string fresh = Written("<head></head>", "description", "The \"best\" <b>shop</b>");
    EXPECT_EQ(fresh, "<head>\r\n<meta name=\"description\" content=\"The &quot;best&quot; &lt;b>shop&lt;/b>\"></head>");
    // Writing again replaces the whole value; nothing piles up.
    const std::string again = Written(fresh, "description", "The \"best\" <b>shop</b>");
    EXPECT_EQ(again, fresh);
    EXPECT_EQ(ReadMetaContent(again, "description"), "The &quot;best&quot; &lt;b>shop&lt;/b>");
}

TEST(MetaTagWriter, WritesInTurnAsSeparateWritesDo) {
    // Values that replace, remove or add "<meta" tags, and pages whose tags
    // touch the edits, so the writer's own positions must follow every edit.
    const std::vector<std::string> parts = {"<meta name=\"author\" content=", "<META HTTP-EQUIV=", "<meta", "<me",
                                            "<meta name=\"company\" content=", "\"", "'", ">", " ", "<head>", "x"};
    const std::pair<const char*, const char*> writes[] = {
        {"author", "Ann"}, {"company", "<meta http-equiv=\"a\">"}, {"author", ""}, {"keywords", "a\"b"},
        {"company", "C"}};
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const std::string page = test::Pieces(random, parts, round % 24);
        std::string together = page, apart = page;
        MetaTagWriter writer(together);
        for (const auto& [name, value] : writes) {
            writer.write(name, value);
            WriteMetaTag(apart, name, value);
            ASSERT_EQ(together, apart) << page;
        }
    }
}

TEST(InsertAtAnchor, APageHoldingTheIncludeIsUnchangedWhateverTheBlock) {
    const std::string page = "<body>" + std::string(IncludeDirective()) + "</body>";
    EXPECT_EQ(Inserted(page, "<BODY>", "X"), page);
    EXPECT_EQ(Inserted(page, "<BODY>", IncludeDirective()), page);
}

TEST(InsertAtAnchor, TheAnchorNamesTheTagWhoseEndOrClosingTagTakesTheBlock) {
    const Case cases[] = {
        {"<html><body class=\"a\">x</body>", "<BODY>", "<html><body class=\"a\">[M]x</body>"},
        {"<html><body>x</body>", "BODY", "<html><body>[M]x</body>"},  // without "<" it still names the tag
        // Text after the anchor's first ">" is dropped when the anchor does not end with ">".
        {"<html><body>x</body>", "<body>junk", "<html><body>[M]x</body>"},
        {"<html><BODY>x<BR></BODY>", "<B>", "<html><BODY>[M]x<BR></BODY>"},  // a short prefix matches longer tags
        // A closing anchor puts the block before the closing tag, when there is one.
        {"<html><head><title>t</title></HEAD><body>", "</head>", "<html><head><title>t</title>[M]</HEAD><body>"},
        {"<html><head><title>t</title><body>", "</head>", "<html><head><title>t</title><body>"},
        // No matching element leaves the page unchanged.
        {"<html><body", "<BODY>", "<html><body"},
        {"<div class=\"nav\"", "<div class=\"nav\">", "<div class=\"nav\""},
        {"<html><body>x</body>", "<table>", "<html><body>x</body>"},
    };
    for (const Case& c : cases) EXPECT_EQ(Inserted(c.page, c.name, "[M]"), c.expected) << c.name << " in " << c.page;
}

TEST(InsertAtAnchor, ClassAndIdFiltersMustAllHoldInsideTheTagText) {
    const std::string page = "<html><head><title>t</title></head><BODY bgcolor=\"w\"><BR>"
                             "<div id=\"top\" class=\"nav\">a</div><div class=\"nav\">b</div></body></html>";
    const std::string byClass = Inserted(page, "<div class=\"nav\">", "[M]");
    EXPECT_NE(byClass.find("<div id=\"top\" class=\"nav\">[M]a"), std::string::npos);
    const std::string byId = Inserted(page, "<div id=\"top\">", "[M]");
    EXPECT_NE(byId.find("class=\"nav\">[M]a</div>"), std::string::npos);
    // The second div has the class but not the id: both filters must hold.
    EXPECT_EQ(Inserted(page, "<DIV class=\"nav\" id=\"top\">", "[M]"), byId);
    EXPECT_EQ(Inserted(page, "<div class=\"side\">", "[M]"), page);
    EXPECT_EQ(Inserted("<div class=\"menu\">a</div><div id=\"x\" class=\"nav\">b</div>", "<div class=\"nav\">", "[M]"),
              "<div class=\"menu\">a</div><div id=\"x\" class=\"nav\">[M]b</div>");
    // The class text after the first div's ">" does not make it match.
    EXPECT_EQ(Inserted("<div>class=\"nav\"</div><div class=\"nav\">", "<div class=\"nav\">", "[M]"),
              "<div>class=\"nav\"</div><div class=\"nav\">[M]");
}

TEST(InsertAtAnchor, ANoBreakSpaceInTheAnchorEndsTheTagNameOrFilterInEitherForm) {
    const std::string page = "<p>x</p><div class=\"menu\">a</div><div class=\"nav\">b</div>";
    const std::string expected = "<p>x</p><div class=\"menu\">a</div><div class=\"nav\">[M]b</div>";
    EXPECT_EQ(Inserted(page, "<div\xA0" "class=\"nav\">", "[M]"), expected);
    // Typed text is UTF-8: the whole pair goes, not only its second byte.
    EXPECT_EQ(Inserted(page, "<div\xC2\xA0" "class=\"nav\">", "[M]"), expected);
    EXPECT_EQ(Inserted(page, "<div class=\"nav\"\xC2\xA0id=\"x\">", "[M]"), page);
    EXPECT_EQ(Inserted(page, "<div id=\"x\"\xC2\xA0" "class=\"nav\">", "[M]"), page);
    EXPECT_EQ(Inserted("<div id=\"x\">a</div>", "<div id=\"x\"\xC2\xA0>", "[M]"), "<div id=\"x\">[M]a</div>");
}

constexpr std::size_t npos = std::string_view::npos;

TEST(NoBreakSpace, IsTheLoneA0ByteOrTheUtf8PairButNeverPartOfAnotherLetter) {
    const std::tuple<std::string, std::size_t, std::size_t> cases[] = {
        {"a\xA0z", 1, 1}, {"a\xC2\xA0z", 1, 2}, {"a z", 1, 0}, {"a", 5, 0},
        {"a\xC2\xA0z", 2, 0},  // the pair's second byte is not a space of its own
        {"voil\xC3\xA0", 5, 0},      // à
        {"\xD0\xA0ussia", 1, 0},     // Р
        {"x\xE2\x80\xA0", 3, 0},     // †
        {"\xF0\x9F\x82\xA0", 3, 0},  // a four-byte letter
        // After a broken sequence the 0xA0 stands alone: Latin-1 "é" (0xE9)
        // opens no whole letter with "\xA0!"; "À" (0xC3 0x80) is complete
        // before it; four continuation bytes belong to no letter.
        {"caf\xE9\xA0!", 4, 1},
        {"\xC3\x80\xA0", 2, 1},
        {"\xE2\x80\x80\x80\xA0", 4, 1},
    };
    for (const auto& [text, at, bytes] : cases) EXPECT_EQ(NoBreakSpaceAt(text, at), bytes) << text << " at " << at;
}

TEST(NoBreakSpace, FindGivesWhereTheSpaceStarts) {
    EXPECT_EQ(FindNoBreakSpace("ab\xC2\xA0" "c\xA0"), 2u);
    EXPECT_EQ(FindNoBreakSpace("ab\xC2\xA0" "c\xA0", 3), 5u);
    EXPECT_EQ(FindNoBreakSpace("\xC2\xC2\xA0"), 1u);
    EXPECT_EQ(FindNoBreakSpace("Voil\xC3\xA0 \xE2\x80\xA0"), npos);
    EXPECT_EQ(FindNoBreakSpace(""), npos);
}

}  // namespace
}  // namespace wk
