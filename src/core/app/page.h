#pragma once
// The page side of the main window: choosing a page and loading it, which
// runs the meta generators.
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

}  // namespace wk
