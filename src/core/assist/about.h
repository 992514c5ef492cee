#pragma once
// The program's version information, as the build defines it, and the texts
// made from it: the main window's caption and the about box.
#include <string>
#include <string_view>

namespace wk {

struct VersionInfo {
    int major = 0;
    int minor = 0;
    std::string_view product;      // "Web Kestrane"
    std::string_view company;      // the maker
    std::string_view description;  // the edition, shown in the caption too
};

VersionInfo ProgramVersion();

// "Web Kestrane EDITION MAJOR.MINOR", the minor version with at least two digits.
std::string MainWindowCaption(const VersionInfo& version);
// Product, version, update, developer and edition, one a line.
std::string AboutText(const VersionInfo& version);

// Who the maker named on the status bar and in the site-wide commands is.
inline constexpr std::string_view kAboutMaker =
    "Tollivance is the maker of Web Kestrane; switched on with the last panel of the status bar, the credits menu "
    "adds one more menu, \"About these Menus\", to the end of your site's menu bar, with links to Tollivance's "
    "pages about how these menus are made.";

}  // namespace wk
