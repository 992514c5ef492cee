// The tips of the day on the workspace: tip.sgt, the greeting at the first
// activation of a run, and the tip the designer asks for.
#include "app/tips.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/startup.h"
#include "assist/tips.h"
#include "temp_folder.h"

namespace wk {
namespace {

class Tips : public ::testing::Test {
protected:
    test::TempFolder app;
    ScriptedPrompt prompt;

    // The greeting of one run of the program on app's settings.
    std::optional<int> Greeting(double unit) {
        Workspace ws(app.path(), prompt);
        LoadSettings(ws);
        return GreetingTip(ws, unit);
    }
};

TEST_F(Tips, TheFirstRunWelcomesWithTipZeroAndLaterRunsNeverDo) {
    Workspace ws(app.path(), prompt);
    LoadSettings(ws);
    EXPECT_EQ(GreetingTip(ws, 0.0), 0);
    EXPECT_EQ(app.read("tip.sgt"), "1\r\n");
    EXPECT_EQ(ws.tips.setting, TipsSetting::On);
    // Shown at most once a run.
    EXPECT_EQ(GreetingTip(ws, 0.5), std::nullopt);
    for (double unit : {0.0, 0.5, std::nextafter(1.0, 0.0), 1.0}) {
        const std::optional<int> tip = Greeting(unit);
        ASSERT_TRUE(tip) << unit;
        EXPECT_GE(*tip, 1) << unit;
        EXPECT_LE(*tip, kLastTip) << unit;
    }
}

TEST_F(Tips, AnythingButOneInTipSgtShowsNoTip) {
    for (const char* stored : {"0\r\n", "2", "yes", ""}) {
        app.write("tip.sgt", stored);
        EXPECT_EQ(Greeting(0.5), std::nullopt) << stored;
    }
}

TEST_F(Tips, TheTipTheDesignerAskedForShowsWhenTheWindowNextOpens) {
    Workspace ws(app.path(), prompt);
    ws.designer.requestedTipIndex = 11;
    OpenTips(ws, 4);
    EXPECT_EQ(ws.tips.index, 11);
    OpenTips(ws, 4);
    EXPECT_EQ(ws.tips.index, 4);
}

}  // namespace
}  // namespace wk
