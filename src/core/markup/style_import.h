#pragma once
// The style import a committed page carries in its style element, so the
// menu's style sheet in the site's "_" folder applies to it.
#include <string>
#include <string_view>

namespace wk {

inline constexpr std::string_view kTypedStyleTag = "<style type=\"text/css\">";
inline constexpr std::string_view kStyleImport = "<!--@import \"/_/0.css\";-->";

// Puts the style import into the page's style element, in place: a bare
// <style> in the head becomes the typed style tag; a typed style element gets
// the import directly after its opening tag unless the head already holds
// it; a head without one gets a new style element before "</head>". True
// when the import was added.
bool AddStyleImport(std::string& page);

}  // namespace wk
