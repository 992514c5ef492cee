#pragma once
// The jazz page, before and after a commit with every option on.
#include <string>

namespace wk::test {

inline const std::string kJazzPage =
    "<html><head><title>Jazz</title></head><body><p>Jazz quiz: jazz!</p></body></html>";

// The jazz page committed with every option on, anchor <BODY>, category Music and
// the boilerplate of Acme Ltd.
inline std::string CommittedJazz() {
    return "<html><head>\r\n"
           "<meta name=\"category\" content=\"Music\">\r\n"
           "<meta name=\"description\" content=\"Jazz quiz: jazz! \">\r\n"
           "<meta name=\"keywords\" content=\"jazz,quiz\">\r\n"
           "<meta name=\"copyright\" content=\"Acme Ltd 2005\">\r\n"
           "<meta name=\"author\" content=\"Web Team\">\r\n"
           "<meta name=\"company\" content=\"Acme Ltd\"><title>Jazz</title>"
           "<style><!--@import \"/_/0.css\";--></style></head><body>"
           "<!--#include virtual=\"/_/_Tollivance_Web_Kestrane_Menu_System.mnu\"--><!--/#include-->"
           "<p>Jazz quiz: jazz!</p></body></html>\r\n";
}

}  // namespace wk::test
