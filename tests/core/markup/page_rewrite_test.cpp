// The rewrites every committed page goes through: the skeleton and head
// clean-up, and the style import in the head.
#include "markup/normalise.h"

#include <gtest/gtest.h>

#include "markup/style_import.h"

namespace wk {
namespace {

TEST(NormalisePage, AddsTheMissingSkeletonAndCleansStraySpacesFromTheHead) {
    const std::pair<std::string, std::string> cases[] = {
        // A bare word gets the whole skeleton.
        {"Hello", "<html><head></head><body>Hello</body></html>"},
        {"", "<html><head></head><body></body></html>"},
        // The html tag goes after the document type.
        {"x<!DOCTYPE html>\r\n<head></head><body>y</body></html>",
         "x<!DOCTYPE html><html>\r\n<head></head><body>y</body></html>"},
        // Stray spaces in the head go.
        {"<html><head><style type =\"text/css\" >p{}</style></head><body></body></html>",
         "<html><head><style type=\"text/css\">p{}</style></head><body></body></html>"},
        {"<html><head><STYLE TYPE   = \"  TEXT/CSS  \"   ></style></head><body></body></html>",
         "<html><head><style type= \"text/css\"></style></head><body></body></html>"},
        // The clean-ups reach the body too, but only when the head has a stray space.
        {"<html><head>< title>t</title></head><body>if a < b and c >d</body></html>",
         "<html><head><title>t</title></head><body>if a <b and c >d</body></html>"},
        {"<html><head><title>t</title></head><body>if a < b and c >d</body></html>",
         "<html><head><title>t</title></head><body>if a < b and c >d</body></html>"},
        // A loop runs only while the head holds its search text: two passes
        // clear the head's run, the longer run in the body keeps what is left.
        {"<html><head><b  ></head><body><i     ></body></html>", "<html><head><b></head><body><i   ></body></html>"},
        // The head closes after its last known element.
        {"<html><head><title>t</title><meta name=\"a\" content=\"b\"><p>x</p></html>",
         "<html><head><title>t</title><meta name=\"a\" content=\"b\"></head><body><p>x</p></body></html>"},
        {"<html><head><title>t</TITLE>x</html>", "<html><head><title>t</title></head><body>x</body></html>"},
        {"<html><head><style>s</STYLE><title>t</title>x</html>",
         "<html><head><style>s</STYLE><title>t</title></head><body>x</body></html>"},
        {"<html><head><meta name=x", "<html><head><meta name=x</body></html>"},  // a meta tag without its end
        // Presence tests ignore case, but the skeleton replacements are exact.
        {"<HTML><BODY>x</BODY></HTML>", "<html><head></head><BODY>x</BODY></HTML>"},
        {"<HTML><HEAD><TITLE>t</TITLE></HEAD>x</HTML>", "<HTML><HEAD><TITLE>t</TITLE></HEAD>x</HTML>"},
        {"<html><header>h</header>x", "<html><header>h</header>x</body></html>"},  // "<header" counts as a head
        // A complete page is unchanged.
        {"<!DOCTYPE html>\r\n<html><head><title>t</title><style type=\"text/css\">p{}</style></head>\r\n"
         "<body><p>a b</p></body></html>\r\n",
         "<!DOCTYPE html>\r\n<html><head><title>t</title><style type=\"text/css\">p{}</style></head>\r\n"
         "<body><p>a b</p></body></html>\r\n"},
    };
    for (const auto& [page, normalised] : cases) EXPECT_EQ(NormalisePage(page), normalised) << page;
}

const std::string kImport = "<!--@import \"/_/0.css\";-->";

std::string Imported(std::string page) {
    AddStyleImport(page);
    return page;
}

TEST(StyleImport, OpensTheHeadsStyleElementOrANewOne) {
    const std::string media = "<html><head><style media=\"screen\">p{}</style>";
    const std::string kTyped(kTypedStyleTag);
    const std::pair<std::string, std::string> cases[] = {
        {"<html><head><title>t</title></head><body></body></html>",
         "<html><head><title>t</title><style>" + kImport + "</style></head><body></body></html>"},
        // Browsers ignore an @import after other rules: the import must open
        // the element, and a bare style tag is typed.
        {"<html><HEAD><STYLE>p{color:red}</STYLE></HEAD><body></body></html>",
         "<html><HEAD><style type=\"text/css\">" + kImport + "p{color:red}</STYLE></HEAD><body></body></html>"},
        {"<html><head><style type=\"text/css\">p{}</style></head><body></body></html>",
         "<html><head><style type=\"text/css\">" + kImport + "p{}</style></head><body></body></html>"},
        // A style element with other attributes gets a second element.
        {media + "</head><body></body></html>", media + "<style>" + kImport + "</style></head><body></body></html>"},
        // A style element in the body is not the head's style.
        {"<html><head></head><body><style>b{}</style></body></html>",
         "<html><head><style>" + kImport + "</style></head><body><style>b{}</style></body></html>"},
        {"<p>no head</p>", "<p>no head</p>"},
        // A "</head>" before the head: the import goes where the next commit looks for it.
        {kTyped + "</head><html><head><style>p{}</style></head>",
         kTyped + "</head><html><head>" + kTyped + kImport + "p{}</style></head>"},
        {"</head><html><head></head>", "</head><html><head><style>" + kImport + "</style></head>"},
        {"<html></head><head><p>x", "<html><style>" + kImport + "</style></head><head><p>x"},  // a head never closed
    };
    for (const auto& [page, imported] : cases) {
        EXPECT_EQ(Imported(page), imported) << page;
        // Committed again, at most a bare tag is typed; a third time, nothing changes.
        EXPECT_EQ(Imported(Imported(imported)), Imported(imported)) << page;
    }
    // A second commit adds nothing to a typed element, and does not copy the
    // import into the first of two style elements.
    EXPECT_EQ(Imported(cases[2].second), cases[2].second);
    EXPECT_EQ(Imported(cases[3].second),
              media + "<style type=\"text/css\">" + kImport + "</style></head><body></body></html>");
}

}  // namespace
}  // namespace wk
