// Where the style import goes in the page's head.
#include <gtest/gtest.h>

#include "markup/commit_style.h"

namespace wk {
namespace {

const std::string kImport = "<!--@import \"/_/0.css\";-->";

TEST(StyleImport, AHeadWithoutStyleGetsANewStyleElement) {
    EXPECT_EQ(AddStyleImport("<html><head><title>t</title></head><body></body></html>"),
              "<html><head><title>t</title><style>" + kImport + "</style></head><body></body></html>");
}

TEST(StyleImport, ABareStyleTagIsTypedAndGetsTheImport) {
    EXPECT_EQ(AddStyleImport("<html><HEAD><STYLE>p{color:red}</STYLE></HEAD><body></body></html>"),
              "<html><HEAD><style type=\"text/css\">p{color:red}" + kImport + "</style></HEAD><body></body></html>");
}

TEST(StyleImport, ATypedStyleElementWithOtherRulesGetsTheImportOnce) {
    const std::string page = "<html><head><style type=\"text/css\">p{}</style></head><body></body></html>";
    const std::string once = AddStyleImport(page);

    EXPECT_EQ(once, "<html><head><style type=\"text/css\">p{}" + kImport + "</style></head><body></body></html>");
    EXPECT_EQ(AddStyleImport(once), once);
}

TEST(StyleImport, AStyleElementWithOtherAttributesGetsASecondElement) {
    EXPECT_EQ(AddStyleImport("<html><head><style media=\"screen\">p{}</style></head><body></body></html>"),
              "<html><head><style media=\"screen\">p{}</style><style>" + kImport +
                  "</style></head><body></body></html>");
}

TEST(StyleImport, ASecondCommitDoesNotCopyTheImportIntoTheFirstStyleElement) {
    const std::string once = AddStyleImport("<html><head><style media=\"screen\">p{}</style></head><body></body></html>");

    EXPECT_EQ(AddStyleImport(once), "<html><head><style media=\"screen\">p{}</style><style type=\"text/css\">" +
                                        kImport + "</style></head><body></body></html>");
}

TEST(StyleImport, AStyleElementInTheBodyIsNotTheHeadsStyle) {
    EXPECT_EQ(AddStyleImport("<html><head></head><body><style>b{}</style></body></html>"),
              "<html><head><style>" + kImport + "</style></head><body><style>b{}</style></body></html>");
}

TEST(StyleImport, APageWithoutAHeadIsLeftAlone) {
    EXPECT_EQ(AddStyleImport("<p>no head</p>"), "<p>no head</p>");
}

}  // namespace
}  // namespace wk
