#pragma once
// The file-type filter of every dialog that chooses a web page.
#include <string>

namespace wk {

inline std::string PageFilter() {
    return "Web Pages (*.htm, *.html, *.xtml, *.dhtm, *.xhtm, *.dhtml, *.sdtml, *.shtml, *.xhtml, *.sxtml, "
           "*.php, *.asp, *.aspx, *.sxhtml, *.xml, *.sxml)|*.htm;*.html;*.xtml;*.dhtm;*.xhtm;*.dhtml;*.sdtml;"
           "*.shtml;*.xhtml;*.sxtml;*.php;*.asp;*.aspx;*.sxhtml;*.xml;*.sxml";
}

}  // namespace wk
