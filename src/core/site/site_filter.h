#pragma once
// Which files a pass over the site selects: the extension filter.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wk {

// The kinds of pass a site operation is made of.
enum class SitePass : std::uint8_t {
    RemoveMenus = 0,    // files passing the pattern, and every .shtml file
    WeighPages = 1,     // files passing the pattern
    Backup = 2,         // every file
    Upgrade = 3,        // files passing the pattern
    AnalyseSite = 4,    // every file
    AnalyseMarkup = 5,  // files passing the pattern
    Links = 6,          // files passing the pattern, and every file with an HTML ending
    Restore = 7,        // every file
};

// The endings the pattern "*.*" stands for.
inline constexpr std::array<std::string_view, 16> kHtmlExtensions = {
    ".htm",   ".php",   ".asp",   ".xml",   ".html",  ".xtml",  ".dhtm",  ".xhtm",
    ".sxml",  ".aspx",  ".dhtml", ".shtml", ".xhtml", ".sdtml", ".sxtml", ".sxhtml"};

// The stored pattern without the line break its file left on it: a final
// CR, then a final LF, then a final CR removed.
std::string CleanPattern(std::string pattern);

// Whether the pass selects the file of that bare name under the cleaned
// pattern: the pattern's first character is a wildcard and the rest must end
// the name; "*.*" also selects every HTML ending. Letter case counts.
bool IsSiteFile(std::string_view name, SitePass pass, std::string_view pattern);

}  // namespace wk
