#pragma once
// The style designer's operations on the workspace. Each one that changes a
// value, and a few that only re-show values, save menu.ufm at once; a failed
// save is said once through the workspace's notices.
#include <cstdint>
#include <string>

#include "app/workspace.h"

namespace wk {

// Writes menu.ufm from ws.style.
void SaveStyle(Workspace& ws);
// Fills the designer's contrast note from the style, with keyboard menus on.
void CheckContrast(Workspace& ws);

// Shows the element named by the element box in the controls. A control that
// takes a different value runs its own operation (size, bold, italic), which
// re-applies it and saves. Any other text changes nothing.
void SelectElement(Workspace& ws);
// The element box's text changed (a list choice or typing).
void SetElementText(Workspace& ws, const std::string& text);
// Enter pressed in the element box: the "Incorrect Element Entry" message when
// its text is none of the five element names.
void CheckElementEntry(Workspace& ws);
// A sample was clicked: its element becomes the current one.
void ClickSample(Workspace& ws, Element element);

// A font box entry was chosen; a heading chooses the first font of its group.
void ApplyFontChoice(Workspace& ws, const std::string& listEntry);
// The size box's text changed; only a leading number a menu can use is
// applied, so the partial texts of typing ("1" on the way to "14") change nothing.
void ApplySize(Workspace& ws, const std::string& sizeText);
// Typing in the size box has ended (Enter, or the box lost the focus): a text
// that is no size a menu can use is refused with the reason, and the box shows
// the element's stored size again.
void EndSizeEntry(Workspace& ws);
void ApplyBold(Workspace& ws, bool ticked);
void ApplyItalic(Workspace& ws, bool ticked);

// A colour button or box was clicked: opens the palette under it, moves it
// there, or closes it.
void TogglePalette(Workspace& ws, ColorBox box);
// A swatch was clicked (0 to 222; others are ignored).
void PickSwatch(Workspace& ws, int swatch);
// The same with any colour: closes the palette, shows the colour in the box it
// was open under and gives it to the colour target of the current element.
void PickColor(Workspace& ws, std::int32_t color);
// The palette's scroll bar moved (clamped to 0 to 211).
void ScrollPalette(Workspace& ws, int value);

}  // namespace wk
