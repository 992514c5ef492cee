#include "assist/tips.h"

#include <gtest/gtest.h>

namespace wk {
namespace {

TEST(Tips, SteppingWrapsRoundAtBothEndsAndATipOutOfTheTableOpensTheContents) {
    const struct {
        int from, next, previous;
    } cases[] = {{kLastTip, 0, kLastTip - 1}, {0, 1, kLastTip}, {5, 6, 4}};
    for (const auto& [from, next, previous] : cases) {
        EXPECT_EQ(NextTip(from), next) << from;
        EXPECT_EQ(PreviousTip(from), previous) << from;
    }
    EXPECT_EQ(TipHelpTopic(kLastTip + 1), 0);
}

}  // namespace
}  // namespace wk
