#include "app/tips.h"

#include <chrono>
#include <random>

#include "app/settings.h"
#include "assist/tips.h"
#include "ground/file_routines.h"
#include "ground/text.h"

namespace wk {

TipsSetting ReadTipsSetting(const std::string& appFolder) {
    if (!FileExists(appFolder, kTipsFile)) return TipsSetting::Unset;
    return LeadingValue(ReadWholeFile(appFolder, kTipsFile)) == 1 ? TipsSetting::On : TipsSetting::Off;
}

void SetTipsShown(Workspace& ws, bool on) {
    ws.tips.setting = on ? TipsSetting::On : TipsSetting::Off;
    SaveSetting(ws, kTipsFile, on ? "1" : "0");
}

std::optional<int> GreetingTip(Workspace& ws, double unit) {
    if (ws.tips.greeted) return std::nullopt;
    ws.tips.greeted = true;
    if (ws.tips.setting == TipsSetting::Unset) {
        SetTipsShown(ws, true);
        ws.tips.index = 0;
        return 0;
    }
    if (ws.tips.setting != TipsSetting::On) return std::nullopt;
    OpenTips(ws, RandomTip(unit));
    return ws.tips.index;
}

void OpenTips(Workspace& ws, int index) {
    ws.tips.index = index;
    // The designer asks for a tip without showing the window: it shows next.
    if (ws.designer.requestedTipIndex >= 0 && ws.designer.requestedTipIndex <= kLastTip)
        ws.tips.index = ws.designer.requestedTipIndex;
    ws.designer.requestedTipIndex = -1;
}

void ShowNextTip(Workspace& ws) { ws.tips.index = NextTip(ws.tips.index); }

void ShowPreviousTip(Workspace& ws) { ws.tips.index = PreviousTip(ws.tips.index); }

double RandomUnit() {
    static std::mt19937 engine(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
}

}  // namespace wk
