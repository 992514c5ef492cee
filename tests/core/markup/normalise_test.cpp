#include "markup/normalise.h"

#include <gtest/gtest.h>

namespace wk {
namespace {

TEST(NormalisePage, ABareWordGetsTheWholeSkeleton) {
    EXPECT_EQ(NormalisePage("Hello"), "<html><head></head><body>Hello</body></html>");
    EXPECT_EQ(NormalisePage(""), "<html><head></head><body></body></html>");
}

TEST(NormalisePage, TheHtmlTagGoesAfterTheDocumentType) {
    EXPECT_EQ(NormalisePage("x<!DOCTYPE html>\r\n<head></head><body>y</body></html>"),
              "x<!DOCTYPE html><html>\r\n<head></head><body>y</body></html>");
}

TEST(NormalisePage, StraySpacesInTheHeadGo) {
    EXPECT_EQ(NormalisePage("<html><head><style type =\"text/css\" >p{}</style></head><body></body></html>"),
              "<html><head><style type=\"text/css\">p{}</style></head><body></body></html>");
    EXPECT_EQ(NormalisePage("<html><head><STYLE TYPE   = \"  TEXT/CSS  \"   ></style></head><body></body></html>"),
              "<html><head><style type= \"text/css\"></style></head><body></body></html>");
}

TEST(NormalisePage, CleanUpsReachTheBodyToo) {
    EXPECT_EQ(NormalisePage("<html><head>< title>t</title></head><body>if a < b and c >d</body></html>"),
              "<html><head><title>t</title></head><body>if a <b and c >d</body></html>");
    // Without a stray space in the head, the body is left alone.
    const std::string clean = "<html><head><title>t</title></head><body>if a < b and c >d</body></html>";
    EXPECT_EQ(NormalisePage(clean), clean);
}

TEST(NormalisePage, ALoopRunsOnlyWhileTheHeadHoldsItsSearchText) {
    // Two passes are enough for the head's run; the longer run in the body keeps what is left.
    EXPECT_EQ(NormalisePage("<html><head><b  ></head><body><i     ></body></html>"),
              "<html><head><b></head><body><i   ></body></html>");
}

TEST(NormalisePage, TheHeadClosesAfterItsLastKnownElement) {
    EXPECT_EQ(NormalisePage("<html><head><title>t</title><meta name=\"a\" content=\"b\"><p>x</p></html>"),
              "<html><head><title>t</title><meta name=\"a\" content=\"b\"></head><body><p>x</p></body></html>");
    EXPECT_EQ(NormalisePage("<html><head><title>t</TITLE>x</html>"),
              "<html><head><title>t</title></head><body>x</body></html>");
    EXPECT_EQ(NormalisePage("<html><head><style>s</STYLE><title>t</title>x</html>"),
              "<html><head><style>s</STYLE><title>t</title></head><body>x</body></html>");
}

TEST(NormalisePage, PresenceTestsIgnoreCaseButSkeletonReplacementsAreExact) {
    EXPECT_EQ(NormalisePage("<HTML><BODY>x</BODY></HTML>"), "<html><head></head><BODY>x</BODY></HTML>");
    EXPECT_EQ(NormalisePage("<HTML><HEAD><TITLE>t</TITLE></HEAD>x</HTML>"),
              "<HTML><HEAD><TITLE>t</TITLE></HEAD>x</HTML>");
    // "<header" counts as a head.
    EXPECT_EQ(NormalisePage("<html><header>h</header>x"), "<html><header>h</header>x</body></html>");
}

TEST(NormalisePage, ACompletePageIsUnchanged) {
    const std::string page =
        "<!DOCTYPE html>\r\n<html><head><title>t</title><style type=\"text/css\">p{}</style></head>\r\n"
        "<body><p>a b</p></body></html>\r\n";
    EXPECT_EQ(NormalisePage(page), page);
}

TEST(NormalisePage, AMetaTagWithoutItsEndGetsNoHeadClosing) {
    EXPECT_EQ(NormalisePage("<html><head><meta name=x"), "<html><head><meta name=x</body></html>");
}

}  // namespace
}  // namespace wk
