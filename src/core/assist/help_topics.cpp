#include "assist/help_topics.h"

namespace wk {

std::string_view HelpPageFile(int topic) {
    for (const HelpPage& page : kHelpPages)
        if (page.topic == topic) return page.file;
    return kHelpContentsFile;
}

std::vector<HelpPage> HelpGroupPages(std::size_t group) {
    std::vector<HelpPage> pages;
    for (const HelpPage& page : kHelpPages)
        if (page.group == static_cast<int>(group)) pages.push_back(page);
    return pages;
}

}  // namespace wk
