#include "style/style_set.h"

namespace wk {

namespace {
constexpr std::array<std::string_view, kElementCount> kElementNames{"Menu Bar", "Menu Bar Highlight", "Menu",
                                                                    "Menu Highlight", "Menu Spine"};
}  // namespace

std::string_view ElementName(Element element) { return kElementNames[static_cast<std::size_t>(element)]; }

std::optional<Element> ElementFromName(std::string_view name) {
    for (Element element : kAllElements)
        if (ElementName(element) == name) return element;
    return std::nullopt;
}

bool IsFontElement(Element element) { return element != Element::MenuSpine; }

std::array<ElementStyle, kElementCount> DefaultElementStyles() {
    return {{
        {8388608, 16776960, "Verdana", 9.75f, true, false, false},
        {16711680, 16776960, "MS Sans Serif", 9.75f, true, false, false},
        {16777215, 8388608, "Arial", 9.75f, false, false, false},
        {16776960, 4194304, "Arial", 9.75f, false, false, false},
        {8421376, 8388608, "MS Sans Serif", 9.75f, false, false, false},
    }};
}

}  // namespace wk
