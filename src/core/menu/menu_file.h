#pragma once
// default.mnu: the menu tree as records of three lines (label, kind, link) in
// display order; an empty tree is one empty line.
#include <string>

#include "ground/file_routines.h"
#include "menu/menu_tree.h"

namespace wk {

inline constexpr const char* kMenuFile = "default.mnu";

// Replaces the tree by the file's records: every node expanded, the first
// menu selected. False, and the tree unchanged, when the file is missing or unreadable.
bool LoadMenuTree(const std::string& appFolder, MenuTree& tree);
// The file's exact text (without the final line end WriteWholeFile adds).
std::string MenuFileText(const MenuTree& tree);
// Writes the whole file in one replacing write.
WriteOutcome SaveMenuTree(const std::string& appFolder, const MenuTree& tree);

}  // namespace wk
