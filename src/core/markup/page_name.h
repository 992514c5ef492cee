#pragma once
// The names a page takes: the .shtml name a commit saves it under, and the
// local file a menu link leads to.
#include <string>

namespace wk {

// The file name up to and including its first ".", then "shtml" (index.html
// gives index.shtml, my.page.htm gives my.shtml); a name without "." gets
// ".shtml" appended.
std::string ShtmlName(const std::string& fileName);

// The local file a menu link points to: every occurrence of the site address
// (letter case ignored) replaced by the site root, and "\" turned into "/".
std::string LinkToLocalPath(const std::string& siteAddress, const std::string& siteRoot, const std::string& link);

}  // namespace wk
