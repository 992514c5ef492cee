// Taking the menu out of a committed page.
#include <gtest/gtest.h>

#include "markup/menu_removal.h"
#include "markup/scan.h"

namespace wk {
namespace {

TEST(RemoveMenuFromPage, RemovesEveryIncludeAndImportInAnyCaseAndNothingElse) {
    const std::string include(IncludeDirective());
    std::string shouting = include;
    for (char& c : shouting) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string page = "<html><head><style><!--@IMPORT \"/_/0.css\";--></style></head>\r\n<body>" + include +
                       "<p>x</p>" + shouting + "</body></html>";
    const MenuRemoval removed = RemoveMenuFromPage(page);
    EXPECT_EQ(removed.includes, 2u);
    EXPECT_EQ(removed.imports, 1u);
    // The style element and every line break stay; none is added.
    EXPECT_EQ(page, "<html><head><style></style></head>\r\n<body><p>x</p></body></html>");
    EXPECT_FALSE(RemoveMenuFromPage(page).any());
}

}  // namespace
}  // namespace wk
