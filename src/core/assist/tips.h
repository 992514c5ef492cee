#pragma once
// The tips of the day: the user's guided tour through the program, one tip a
// start, with the help topic that "More Detail" opens for each.
#include <array>
#include <string_view>

namespace wk {

struct Tip {
    std::string_view title;
    std::string_view text;  // paragraphs and numbered entries, one a line
    std::string_view fact;  // the "Did you Know..." line, beginning with "That"
    int helpTopic;
};

// Tip 0 welcomes the user on the very first run.
extern const std::array<Tip, 20> kTips;
inline constexpr int kLastTip = static_cast<int>(kTips.size()) - 1;

// Stepping through the tips wraps round at either end.
int NextTip(int index);
int PreviousTip(int index);
// A tip for a later start, never the welcome: unit in [0, 1) gives 1 to the last tip.
int RandomTip(double unit);
// The topic "More Detail" opens; an index outside the table opens the contents.
int TipHelpTopic(int index);

}  // namespace wk
