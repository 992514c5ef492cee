#pragma once
// The page side of the main window: choosing a page and loading it, which
// runs the meta generators.
#include <optional>
#include <string>

#include "app/workspace.h"

namespace wk {

// The whole page file, or nothing when it cannot be opened for reading.
std::optional<std::string> ReadPageFile(const std::string& path);

// Whether loading a page asks for its missing category at once, or leaves
// the question for AskDeferredCategory (while the user may still be typing).
enum class CategoryQuestion { AskNow, Defer };

// Makes path the current page: clears the page text, the keyword entries and
// the description, then, when the file can be read, takes its text, reads its
// category (when it has none and the Category option is on, asking for one
// as question says) and proposes keywords and a description.
void LoadPage(Workspace& ws, const std::string& path, CategoryQuestion question = CategoryQuestion::AskNow);
// Proposes the loaded page's keywords and description the way the options say.
void ProposeMeta(Workspace& ws);
// The category question a deferred load left open, asked once.
void AskDeferredCategory(Workspace& ws);
// The page box: loads the typed path unless it is the current page already;
// with AskNow, then asks the question a deferred load left open.
void LoadTypedPage(Workspace& ws, const std::string& path, CategoryQuestion question);

// Browse Page: asks for a web page and loads it.
void BrowsePage(Workspace& ws);

}  // namespace wk
