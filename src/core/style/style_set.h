#pragma once
// The five styled elements of the generated menu and their colours and fonts.
// Colours are packed 0x00BBGGRR: red in the low byte.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wk {

// In their fixed order, which is also the order of the blocks in menu.ufm.
enum class Element { MenuBar, MenuBarHighlight, Menu, MenuHighlight, MenuSpine };
inline constexpr int kElementCount = 5;
inline constexpr std::array<Element, kElementCount> kAllElements{
    Element::MenuBar, Element::MenuBarHighlight, Element::Menu, Element::MenuHighlight, Element::MenuSpine};

// "Menu Bar", "Menu Bar Highlight", "Menu", "Menu Highlight", "Menu Spine".
std::string_view ElementName(Element element);
// Exact comparison, letter case included; nothing for any other text.
std::optional<Element> ElementFromName(std::string_view name);
// Every element but the spine has a font and a text colour of its own.
bool IsFontElement(Element element);

struct ElementStyle {
    std::int32_t BackColor = 0;
    std::int32_t ForeColor = 0;
    std::string FontName;
    float FontSize = 9.75f;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
};

// The style a fresh installation starts with, for each element in order.
std::array<ElementStyle, kElementCount> DefaultElementStyles();

struct StyleSet {
    std::array<ElementStyle, kElementCount> elements = DefaultElementStyles();

    ElementStyle& operator[](Element e) { return elements[static_cast<std::size_t>(e)]; }
    const ElementStyle& operator[](Element e) const { return elements[static_cast<std::size_t>(e)]; }
};

}  // namespace wk
