// Where the style import goes in the page's head.
#include <gtest/gtest.h>

#include "markup/style_import.h"

namespace wk {
namespace {

const std::string kImport = "<!--@import \"/_/0.css\";-->";

std::string Imported(std::string page) {
    AddStyleImport(page);
    return page;
}

TEST(StyleImport, AHeadWithoutStyleGetsANewStyleElement) {
    EXPECT_EQ(Imported("<html><head><title>t</title></head><body></body></html>"),
              "<html><head><title>t</title><style>" + kImport + "</style></head><body></body></html>");
}

// Browsers ignore an @import after other rules: the import must open the element.
TEST(StyleImport, ABareStyleTagIsTypedAndGetsTheImportAheadOfItsRules) {
    EXPECT_EQ(Imported("<html><HEAD><STYLE>p{color:red}</STYLE></HEAD><body></body></html>"),
              "<html><HEAD><style type=\"text/css\">" + kImport + "p{color:red}</STYLE></HEAD><body></body></html>");
}

TEST(StyleImport, ATypedStyleElementWithOtherRulesGetsTheImportFirstAndOnce) {
    const std::string page = "<html><head><style type=\"text/css\">p{}</style></head><body></body></html>";
    const std::string once = Imported(page);

    EXPECT_EQ(once, "<html><head><style type=\"text/css\">" + kImport + "p{}</style></head><body></body></html>");
    EXPECT_EQ(Imported(once), once);
}

TEST(StyleImport, AStyleElementWithOtherAttributesGetsASecondElement) {
    EXPECT_EQ(Imported("<html><head><style media=\"screen\">p{}</style></head><body></body></html>"),
              "<html><head><style media=\"screen\">p{}</style><style>" + kImport +
                  "</style></head><body></body></html>");
}

TEST(StyleImport, ASecondCommitDoesNotCopyTheImportIntoTheFirstStyleElement) {
    const std::string once = Imported("<html><head><style media=\"screen\">p{}</style></head><body></body></html>");

    EXPECT_EQ(Imported(once), "<html><head><style media=\"screen\">p{}</style><style type=\"text/css\">" +
                                        kImport + "</style></head><body></body></html>");
}

TEST(StyleImport, AStyleElementInTheBodyIsNotTheHeadsStyle) {
    EXPECT_EQ(Imported("<html><head></head><body><style>b{}</style></body></html>"),
              "<html><head><style>" + kImport + "</style></head><body><style>b{}</style></body></html>");
}

TEST(StyleImport, APageWithoutAHeadIsLeftAlone) {
    EXPECT_EQ(Imported("<p>no head</p>"), "<p>no head</p>");
}

}  // namespace
}  // namespace wk
