#include "app/commands_style.h"

#include <algorithm>

#include "app/settings.h"
#include "style/contrast.h"
#include "style/palette.h"
#include "style/style_file.h"

namespace wk {

namespace {

constexpr int kUnlistedFontTip = 11;

std::optional<Element> CurrentElement(const Workspace& ws) { return ElementFromName(ws.designer.elementText); }

// The current element when it has a font and a text colour; nothing for the
// spine or a text that names no element.
ElementStyle* CurrentFontElement(Workspace& ws) {
    const std::optional<Element> element = CurrentElement(ws);
    if (!element || !IsFontElement(*element)) return nullptr;
    return &ws.style[*element];
}

// Puts a value into a control that reacts to changes: its operation runs only
// when the value is different, as it would for the user.
void ShowSize(Workspace& ws, const std::string& text) {
    if (ws.designer.sizeText != text) ApplySize(ws, text);
}
void ShowBold(Workspace& ws, bool ticked) {
    if (ws.designer.bold != ticked) ApplyBold(ws, ticked);
}
void ShowItalic(Workspace& ws, bool ticked) {
    if (ws.designer.italic != ticked) ApplyItalic(ws, ticked);
}

void ShowFontElement(Workspace& ws, const ElementStyle& style) {
    DesignerState& d = ws.designer;
    d.backColor = style.BackColor;
    d.backEnabled = true;
    d.fontEnabled = true;
    d.fontText = style.FontName;
    ShowSize(ws, SizeText(style.FontSize));
    ShowBold(ws, style.FontBold);
    ShowItalic(ws, style.FontItalic);
    d.foreColor = style.ForeColor;
    d.foreEnabled = true;
    d.sizeStyleEnabled = true;
}

// The spine has only a background colour; the font box and size box keep
// whatever they showed.
void ShowSpine(Workspace& ws, const ElementStyle& style) {
    DesignerState& d = ws.designer;
    ShowBold(ws, false);
    ShowItalic(ws, false);
    d.backColor = style.BackColor;
    d.backEnabled = true;
    d.fontEnabled = false;
    d.foreColor = kSpineTextBoxColor;
    d.foreEnabled = false;
    d.sizeStyleEnabled = false;
}

}  // namespace

void SaveStyle(Workspace& ws) { ReportSettingWrite(ws, SaveStyle(ws.appFolder, ws.style)); }

void CheckContrast(Workspace& ws) {
    ws.designer.contrastNote = ws.options.keyboardMenus ? ContrastNote(ws.style) : std::string();
}

void SelectElement(Workspace& ws) {
    const std::optional<Element> element = CurrentElement(ws);
    if (!element) return;
    // Copied: showing a value may re-apply it to the element being shown.
    const ElementStyle style = ws.style[*element];
    if (IsFontElement(*element))
        ShowFontElement(ws, style);
    else
        ShowSpine(ws, style);
    ws.designer.sizeBeforeEntry.reset();  // showing a size is no typing
    CheckContrast(ws);
}

void SetElementText(Workspace& ws, const std::string& text) {
    ws.designer.elementText = text;
    SelectElement(ws);
}

void CheckElementEntry(Workspace& ws) {
    if (CurrentElement(ws)) return;
    ws.prompt->message("Incorrect Element Entry", "Check the dropdown list for the Element: " + ws.designer.elementText,
                       MessageIcon::Information);
}

void ClickSample(Workspace& ws, Element element) {
    SetElementText(ws, std::string(ElementName(element)));
    SelectElement(ws);
}

void ApplyFontChoice(Workspace& ws, const std::string& listEntry) {
    const std::optional<std::string> font = NormalisedFontChoice(listEntry);
    if (!font) ws.designer.requestedTipIndex = kUnlistedFontTip;
    ws.designer.fontText = font.value_or("Verdana");
    if (ElementStyle* style = CurrentFontElement(ws)) style->FontName = ws.designer.fontText;
    SaveStyle(ws);
}

void ApplySize(Workspace& ws, const std::string& sizeText) {
    ws.designer.sizeText = sizeText;
    // A size typed key by key passes through partial texts such as "-", "0."
    // or "1" that must never be stored.
    const std::optional<float> size = TypedSize(sizeText);
    ElementStyle* style = CurrentFontElement(ws);
    if (style && !ws.designer.sizeBeforeEntry) ws.designer.sizeBeforeEntry = style->FontSize;
    if (style && size) style->FontSize = *size;
    SaveStyle(ws);
}

void EndSizeEntry(Workspace& ws) {
    DesignerState& d = ws.designer;
    ElementStyle* style = CurrentFontElement(ws);
    const float before = d.sizeBeforeEntry.value_or(style ? style->FontSize : 0);
    d.sizeBeforeEntry.reset();
    // A stored size the box shows as it is (one outside the range, from an
    // older menu.ufm) is no typing of the user's.
    if (!style || TypedSize(d.sizeText) || d.sizeText == SizeText(before)) return;
    ws.prompt->message("Incorrect Size Entry",
                       "The menu's text takes " + std::string(kSizeRange) + ", so \"" + d.sizeText +
                           "\" was not applied; the size stays " + SizeText(before) + ".",
                       MessageIcon::Information);
    style->FontSize = before;
    ShowSize(ws, SizeText(before));
    d.sizeBeforeEntry.reset();
}

void ApplyBold(Workspace& ws, bool ticked) {
    ws.designer.bold = ticked;
    if (ElementStyle* style = CurrentFontElement(ws)) style->FontBold = ticked;
    SaveStyle(ws);
}

void ApplyItalic(Workspace& ws, bool ticked) {
    ws.designer.italic = ticked;
    if (ElementStyle* style = CurrentFontElement(ws)) style->FontItalic = ticked;
    SaveStyle(ws);
}

void TogglePalette(Workspace& ws, ColorBox box) {
    DesignerState& d = ws.designer;
    d.colorTarget = box;
    if (d.paletteUnder == box)
        d.paletteUnder.reset();
    else
        d.paletteUnder = box;
}

void PickSwatch(Workspace& ws, int swatch) {
    if (swatch < 0 || swatch >= kSwatchCount) return;
    PickColor(ws, SwatchColor(swatch));
}

void PickColor(Workspace& ws, std::int32_t color) {
    DesignerState& d = ws.designer;
    if (d.paletteUnder == ColorBox::Background) d.backColor = color;
    if (d.paletteUnder == ColorBox::Text) d.foreColor = color;
    d.paletteUnder.reset();
    if (d.colorTarget == ColorBox::Background) {
        if (const std::optional<Element> element = CurrentElement(ws)) ws.style[*element].BackColor = color;
    } else if (ElementStyle* style = CurrentFontElement(ws)) {
        style->ForeColor = color;
    }
    CheckContrast(ws);
    SaveStyle(ws);
}

void ScrollPalette(Workspace& ws, int value) { ws.designer.scroll = std::clamp(value, 0, kPaletteScrollMax); }

}  // namespace wk
