#pragma once
// The tips of the day on the workspace: tip.sgt, the greeting when the main
// window first becomes active, and the tips window's stepping.
#include <optional>
#include <string>

#include "app/workspace.h"

namespace wk {

inline constexpr const char* kTipsFile = "tip.sgt";

// tip.sgt: missing is a first run; 1 shows tips; anything else, a text that is
// no number included, shows none.
TipsSetting ReadTipsSetting(const std::string& appFolder);

// chkTip, mnuTips and the tips window's box: writes tip.sgt. The choice holds
// for the run even when the file cannot be written.
void SetTipsShown(Workspace& ws, bool on);

// The main window became active: the tip to show, only on the first
// activation of a run. A first run shows the welcome, tip 0, and switches tips
// on; a later run with tips on shows a tip chosen by unit (in [0, 1)).
std::optional<int> GreetingTip(Workspace& ws, double unit);

// The tips window opens at index, or at the tip requested meanwhile.
void OpenTips(Workspace& ws, int index);
// Next and previous in the tips window.
void ShowNextTip(Workspace& ws);
void ShowPreviousTip(Workspace& ws);

// A random number in [0, 1), from a generator seeded by the clock.
double RandomUnit();

}  // namespace wk
