#pragma once
// The files a commit writes: the menu's style sheet and include file in the
// site's "_" folder, and the page itself.
#include <string>

#include "app/file_routines.h"
#include "app/workspace.h"

namespace wk {

inline constexpr const char* kStyleSheetFile = "0.css";
inline constexpr const char* kIncludeFile = "_Tollivance_Web_Kestrane_Menu_System.mnu";

// SiteRoot followed by "_" and the separator; empty when no SiteRoot is set.
std::string MenuFolder(const Workspace& ws);

// Writes the page text atomically, ending it with one line break: a text that
// already ends with one is not given another, so a page committed again does
// not grow.
WriteOutcome WritePageFile(const std::string& folder, const std::string& name, const std::string& text);

}  // namespace wk
