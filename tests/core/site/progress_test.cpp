// The progress figures and the bar's wording at each edge.
#include <gtest/gtest.h>

#include "site/progress.h"

namespace wk {
namespace {

TEST(ProgressText, PercentageAndTimeRemainingAtEachEdge) {
    struct Case {
        double fraction, elapsed;
        const char* text;
    };
    const Case cases[] = {
        {0.5, 0.5, "Upgrading Web Site: 50%      Initialising"},
        {0.004, 0.5, "Upgrading Web Site: 1%      Initialising"},  // never below 1%
        {1.2, 0.5, "Upgrading Web Site: 100%      Initialising"},  // nor above 100%
        {2.0 / 3, 2, "Upgrading Web Site: 67%      1 Second Remaining"},
        {0.5, 10, "Upgrading Web Site: 50%      10 Seconds Remaining"},  // not "0 Minutes"
        {0.5, 29.4, "Upgrading Web Site: 50%      29 Seconds Remaining"},
        {0.5, 30, "Upgrading Web Site: 50%      1 Minute Remaining"},
        {0.45, 240 * 0.45 / 0.55, "Upgrading Web Site: 45%      4 Minutes Remaining"},
        {1.2, 10, "Upgrading Web Site: 100%      0 Seconds Remaining"},  // past the end: nothing left
        {0.00000001, 1e9, "Upgrading Web Site: 1%      1000000000000000 Minutes Remaining"},  // held in range
    };
    for (const Case& c : cases) EXPECT_EQ(ProgressText("Upgrading Web Site", c.fraction, c.elapsed), c.text);
}

TEST(ProgressFraction, IsTheRatioOfTaskIndexesTruncatedToThreeDecimals) {
    EXPECT_EQ(SiteTaskIndex(10000, 2), 1.414);
    EXPECT_EQ(IndexText(SiteTaskIndex(10000, 2)), "1.414");
    EXPECT_EQ(IndexText(SiteTaskIndex(66812534, 1063)), "2664.99");
    EXPECT_EQ(IndexText(SiteTaskIndex(4000000000000, 1)), "20000");
    EXPECT_EQ(ProgressFraction(40000, 1, 4), 0.5);
    EXPECT_EQ(ProgressFraction(90000, 1, 2), 1.5);  // more than the reference counted
    // Nothing done yet, or a reference index of 0: the bar stays at its least.
    EXPECT_EQ(ProgressFraction(0, 0, 4), 0.00000001);
    EXPECT_EQ(ProgressFraction(100, 1, 0), 0.00000001);
}

TEST(MakeProgressBar, ABarColourEqualToTheBackgroundGivesDarkBlueOnWhite) {
    const ProgressBar bar = MakeProgressBar(1, "Deleting Menus", 0.5, {9, 9, 9}, {9, 9, 9}, 0);
    EXPECT_EQ(bar.colour, (Rgb{0, 0, 149}));
    EXPECT_EQ(bar.background, kWhite);
}

}  // namespace
}  // namespace wk
