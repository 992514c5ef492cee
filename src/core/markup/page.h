#pragma once
// The page side of the main window: choosing a page, loading it (which runs
// the meta generators) and the names a page takes when it is committed.
#include <optional>
#include <string>

#include "app/workspace.h"

namespace wk {

// The whole page file, or nothing when it cannot be opened for reading.
std::optional<std::string> ReadPageFile(const std::string& path);

// Makes path the current page: clears the page text, the keyword entries and
// the description, then, when the file can be read, takes its text, reads its
// category (asking for one when it has none and the Category option is on)
// and proposes keywords and a description.
void LoadPage(Workspace& ws, const std::string& path);

// Browse Page: asks for a web page and loads it.
void BrowsePage(Workspace& ws);

// The name a committed page is saved under: the file name up to and
// including its first ".", then "shtml" (index.html gives index.shtml,
// my.page.htm gives my.shtml); a name without "." gets ".shtml" appended.
std::string ShtmlName(const std::string& fileName);

// The local file a menu link points to: the site address (letter case
// ignored) replaced by SiteRoot, and "\" turned into the native separator.
std::string LinkToLocalPath(const Workspace& ws, const std::string& link);

}  // namespace wk
