// Every topic the program opens has its page in the help folder, and every
// page's links lead to pages that are there.
#include "assist/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "assist/tips.h"

namespace wk {
namespace {

namespace fs = std::filesystem;

bool HelpPageExists(std::string_view file) { return fs::is_regular_file(fs::path(WK_HELP_DIR) / file); }

TEST(HelpTopics, EveryTopicInUseOpensAPageOfItsOwn) {
    std::vector<int> topics = {kBoilerplateHelpTopic, kNodeDialogHelpTopic, kAboutHelpTopic, kPreviewHelpTopic};
    for (std::size_t group = 0; group < kHelpGroups.size(); ++group)
        for (const HelpPage& page : HelpGroupPages(group)) topics.push_back(page.topic);
    for (const Tip& tip : kTips) topics.push_back(tip.helpTopic);
    for (int topic : topics) {
        EXPECT_NE(HelpPageFile(topic), kHelpContentsFile) << topic;
        EXPECT_TRUE(HelpPageExists(HelpPageFile(topic))) << topic << " " << HelpPageFile(topic);
    }
    EXPECT_TRUE(HelpPageExists(HelpPageFile(0)));
}

TEST(HelpTopics, EveryLinkBetweenPagesLeadsToAPage) {
    const std::regex link("href=\"([^\"#:]+)\"");
    int pages = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(WK_HELP_DIR)) {
        if (entry.path().extension() != ".html") continue;
        ++pages;
        std::stringstream text;
        text << std::ifstream(entry.path()).rdbuf();
        const std::string page = text.str();
        for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it)
            EXPECT_TRUE(HelpPageExists((*it)[1].str())) << entry.path().filename() << " -> " << (*it)[1];
    }
    EXPECT_EQ(pages, static_cast<int>(kHelpPages.size()) + 1);  // and the contents
}

}  // namespace
}  // namespace wk
