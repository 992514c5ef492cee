#include "style/designer.h"

#include "ground/text.h"

namespace wk {

std::optional<std::string> NormalisedFontChoice(std::string_view entry) {
    static constexpr std::string_view kHeadings[][2] = {
        {"[MONOSPACE]:", "Andale Mono"}, {"[SANS SERIF]:", "Arial"}, {"[SERIF]:", "Georgia"}, {"[SYMBOLS]:", "Symbol"}};
    for (const auto& [heading, firstFont] : kHeadings)
        if (entry == heading) return std::string(firstFont);
    for (std::string_view font : kFontEntries)
        if (entry == font) return std::string(font);
    return std::nullopt;
}

std::optional<float> TypedSize(std::string_view text) {
    const double size = LeadingValue(text);
    if (!(size >= kSmallestSize && size <= kLargestSize)) return std::nullopt;
    return static_cast<float>(size);
}

}  // namespace wk
