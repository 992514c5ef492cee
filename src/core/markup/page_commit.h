#pragma once
// The commit of one page's text: from the page as loaded, the commit options
// and the site's settings to the page as it is written, its new name and the
// files the site's "_" folder gets. Nothing here touches the disk: the
// workspace's commit writes what this answers, and a site-wide upgrade calls
// it for every page.
#include <string>
#include <string_view>
#include <vector>

#include "markup/commit_options.h"

namespace wk {

// The menu folder below the site root, and the two files the Menu option writes into it.
inline constexpr const char* kMenuFolderName = "_";
inline constexpr const char* kStyleSheetFile = "0.css";
inline constexpr const char* kIncludeFile = "_Tollivance_Web_Kestrane_Menu_System.mnu";

struct CommitSettings {
    CommitOptions options{};
    std::string anchor = "<BODY>";
    std::string organisation;  // boilerplate entries, trimmed
    std::string author;
    std::string copyright;
    std::string keywords;  // the keyword list's hidden value
    std::string description;
    std::string category;  // trimmed
    std::string styleSheet;  // the text of 0.css
    std::string capsule;     // the text of the include file
};

// A file of the menu folder with its text (the writer adds the final line break).
struct MenuFile {
    std::string name;
    std::string text;
};

struct CommittedPage {
    std::string text;  // the page to write
    std::string name;  // its .shtml file name
    // The Menu option is on, yet no include directive stands in the page:
    // the anchor tag was not found.
    bool menuMissing = false;
    bool includeAdded = false;  // the page had no include directive, and has it now
    bool importAdded = false;   // the same for the style import
    std::vector<MenuFile> menuFiles;  // what the menu folder gets; none with the Menu option off
};

// The style sheet and the include file, with the Menu option on.
std::vector<MenuFile> MenuFiles(const CommitSettings& settings);

// Normalises the page, then writes the boilerplate tags, the style import and
// the include at the anchor, the keywords, the description and the category,
// as the options say, in that order.
CommittedPage CommitPageText(std::string_view page, const std::string& fileName, const CommitSettings& settings);

}  // namespace wk
