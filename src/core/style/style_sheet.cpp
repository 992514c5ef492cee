#include "style/style_sheet.h"

#include <charconv>
#include <cmath>

#include "ground/text.h"

namespace wk {

namespace {

// floor(size × factor + 0.5) as a plain whole number.
std::string RoundedPixels(double size, double factor) {
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::floor(size * factor + 0.5), std::chars_format::fixed, 0);
    if (error != std::errc()) return "0";
    return std::string(buffer, end);
}

struct FontFamily {
    std::string_view name;
    std::string_view family;  // as written into the sheet, quotes included
    std::string_view generic;
};

constexpr FontFamily kFontFamilies[] = {
    {"Andale Mono", "\"andale mono\"", ", monospace"},
    {"Courier New", "\"courier new\"", ", monospace"},
    {"Arial", "arial", ", sans-serif"},
    {"Arial Black", "\"arial black\"", ", sans-serif"},
    {"Comic Sans", "\"comic sans\"", ", sans-serif"},
    {"Impact", "impact", ", sans-serif"},
    {"Trebuchet MS", "\"trebuchet ms\"", ", sans-serif"},
    {"Verdana", "verdana", ", sans-serif"},
    {"Georgia", "georgia", ", serif"},
    {"Times New Roman", "\"times new roman\"", ", serif"},
    {"Symbol", "symbol", ", symbols"},
    {"Webdings", "webdings", ", symbols"},
};
constexpr FontFamily kFallbackFamily{"", "verdana", ", sans-serif"};

}  // namespace

std::string ColorToCssHex(std::int32_t color) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(color), 16).ptr;
    std::string hex = PadLeftZeros(std::string(digits, end), 6);
    for (char& c : hex) c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 32 : c);
    // BBGGRR read back to front by byte: red first.
    return "#" + hex.substr(hex.size() - 2) + hex.substr(2, 2) + hex.substr(0, 2);
}

std::optional<std::int32_t> ColorFromCssHex(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), rgb, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    const std::uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<std::int32_t>(red | green << 8 | blue << 16);
}

std::string FontStack(std::string_view fontName) {
    const FontFamily* found = &kFallbackFamily;
    for (const FontFamily& family : kFontFamilies)
        if (family.name == fontName) {
            found = &family;
            break;
        }
    return std::string(found->family) + std::string(found->generic);
}

std::string FontShorthand(const ElementStyle& style) {
    std::string text = "FONT: ";
    if (style.FontItalic) text += "italic ";
    if (style.FontBold) text += "bold ";
    const double size = style.FontSize;
    return text + RoundedPixels(size, 1.3) + "px/" + RoundedPixels(size, 1.5) + "px " + FontStack(style.FontName);
}

std::string BarHeight(const StyleSet& style) { return RoundedPixels(style[Element::Menu].FontSize, 1.5); }

std::string BuildStyleSheet(const StyleSet& style, bool keyboardMenus) {
    const auto bg = [&](Element e) { return ColorToCssHex(style[e].BackColor); };
    const auto fg = [&](Element e) { return ColorToCssHex(style[e].ForeColor); };
    const auto font = [&](Element e) { return FontShorthand(style[e]); };
    // Keyboard menus: what the pointer opens and lights, the focus opens and lights too.
    const auto orFocused = [&](std::string_view within) {
        return keyboardMenus ? ", div#mb div.mi:focus-within" + std::string(within) : std::string();
    };
    const std::string height = BarHeight(style);
    using enum Element;

    std::string css;
    css += "a br, a:hover br {float:left;   width:0px; padding:0px 0px 0px 0px;} ";
    css += "DIV#mb * {CURSOR: pointer; BORDER-COLLAPSE: collapse} ";
    css += "DIV#mb {HEIGHT: " + height + "px; WHITE-SPACE: nowrap; WIDTH: 100%;} ";
    css += "DIV#mb .a  {BORDER: " + bg(MenuBar) + " 1px solid; TEXT-DECORATION: none} ";
    css += "DIV#mb .a TABLE  {DISPLAY: block; WHITE-SPACE: nowrap} ";
    css += "DIV#mb TABLE, DIV#mb TABLE A {DISPLAY: none; z-index:-1} ";
    css += "div#mb .a:hover, div#mb div.mi:hover" + orFocused("") +
           " {background: " + bg(MenuBarHighlight) + ";" + "border: 1px solid " + bg(MenuBar) + ";" +
           "color: " + fg(MenuBarHighlight) + "; " + font(MenuBarHighlight) + "; " +
           "z-index:1000; margin-right:-1px; margin-top:-1px;} ";
    css += "div#mb .a:hover *, div#mb div.mi:hover *" + orFocused(" *") +
           " {color: " + fg(MenuBarHighlight) + "; " + font(MenuBarHighlight) + "} ";
    css += "div#mb .a:hover table, div#mb div.mi:hover table" + orFocused(" table") +
           " {background: " + bg(Menu) + ";" +
           "border: 1px solid " + bg(MenuSpine) + ";" +
           "display: block; position: absolute; white-space: nowrap; z-index: 1000;} ";
    css += "div#mb .a:hover table a, div#mb div.mi:hover table a" + orFocused(" table a") +
           " {border-left: 10px solid " + bg(MenuSpine) + ";" +
           "border-right: 1px solid " + bg(MenuSpine) + ";" + "color: " + fg(Menu) + "; " + font(Menu) + "; " +
           "display: block; padding: 1px 12px; text-decoration: none; white-space: nowrap; z-index: 1000;} ";
    css += "div#mb .a:hover table a:hover, div#mb div.mi:hover table a:hover" +
           orFocused(" table a:focus") + " {background: " + bg(MenuHighlight) +
           ";" + "border: 1px solid " + bg(MenuSpine) + ";" + "border-left: 10px solid " + bg(MenuHighlight) +
           "; " + "color: " + fg(MenuHighlight) + "; " + font(MenuHighlight) + "; " +
           "display: block; padding: 0px 12px; text-decoration: none; z-index: 1000;} ";
    css += "div#mb .a:hover table a:hover *, div#mb div.mi:hover table a:hover *" +
           orFocused(" table a:focus *") + "{color: " + fg(MenuHighlight) +
           "; " + font(MenuHighlight) + "} ";
    css += "div#mb td {border-width: 0px; padding: 0px 0px 0px 0px;} ";
    css += ".mi {float: left; margin: 0px 0px 0px 0px; padding: 0px 9px 0px 9px; " + font(MenuBar) + "} ";
    css += "#o2 {VISIBILITY: visible; HEIGHT: auto;} ";
    css += "#tollivancewebkestrane {WIDTH: 100%; HEIGHT: " + height + "px;" + "background: " + bg(MenuBar) + ";} ";
    css += ".mi * {padding: 0px 0px 0px 0px; color: " + fg(MenuBar) + "; " + font(MenuBar) + "} ";
    css += "UNKNOWN {VISIBILITY: visible; HEIGHT: auto} ";
    css += "UNKNOWN {VISIBILITY: hidden; HEIGHT: 1px} ";
    // The focus ring: the highlight's text colour round a band of its background,
    // drawn inside the box so the bar's edge never clips it.
    if (keyboardMenus)
        css += "div#mb div.mi:focus, div#mb div.mi table a:focus {outline: 2px solid " + fg(MenuBarHighlight) +
               "; outline-offset: -2px; box-shadow: inset 0 0 0 4px " + bg(MenuBarHighlight) + ";} ";
    return css;
}

}  // namespace wk
