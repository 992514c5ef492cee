#include "style/contrast.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace wk {
namespace {

// The sRGB channel (0 to 255) made linear.
double LinearChannel(std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(std::int32_t color) {
    const auto packed = static_cast<std::uint32_t>(color);
    return 0.2126 * LinearChannel(packed & 0xFF) + 0.7152 * LinearChannel((packed >> 8) & 0xFF) +
           0.0722 * LinearChannel((packed >> 16) & 0xFF);
}

std::string OneDecimal(double value) {
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::floor(value * 10) / 10, std::chars_format::fixed, 1);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace

double ContrastRatio(std::int32_t first, std::int32_t second) {
    const double a = RelativeLuminance(first), b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string ContrastNote(const StyleSet& style) {
    std::string note;
    for (Element element : kAllElements) {
        if (!IsFontElement(element)) continue;
        const double ratio = ContrastRatio(style[element].ForeColor, style[element].BackColor);
        if (ratio >= kReadableContrast) continue;
        if (!note.empty()) note += '\n';
        note += std::string(ElementName(element)) + ": text on background " + OneDecimal(ratio) + ":1, below the " +
                OneDecimal(kReadableContrast) + ":1 most readers need";
    }
    return note;
}

}  // namespace wk
