#include "style/style_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "ground/text.h"

namespace wk {

namespace {

constexpr int kLinesPerElement = 5;
// Only the spine's colour is read; its font lines always hold the defaults.
constexpr int kStyleLinesRead = 21;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole (blank-trimmed) text as a number, or nothing.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<float> SizeValue(std::string line) {
    // Files written where the decimal separator is a comma read the same.
    if (line.find('.') == std::string::npos) std::replace(line.begin(), line.end(), ',', '.');
    const std::optional<float> size = WholeNumber<float>(line);
    if (!size || !std::isfinite(*size) || *size <= 0) return std::nullopt;
    return size;
}

void ApplyFlags(std::string_view flags, ElementStyle& style) {
    style.FontBold = FindNoCase(flags, "B") != std::string_view::npos;
    style.FontItalic = FindNoCase(flags, "I") != std::string_view::npos;
    style.FontUnderline = FindNoCase(flags, "U") != std::string_view::npos;
}

// Sets field from the line when it parses; false when it does not.
template <typename Field, typename Parse>
bool ApplyNumber(const std::string& line, Field& field, Parse parse) {
    const auto value = parse(line);
    if (value) field = *value;
    return value.has_value();
}

}  // namespace

std::string BIU(bool bold, bool italic, bool underline) {
    std::string flags;
    if (bold) flags += 'B';
    if (italic) flags += 'I';
    if (underline) flags += 'U';
    return flags.empty() ? "N" : flags;
}

std::string SizeText(float size) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::fixed);
    if (error != std::errc()) return "0";
    return std::string(buffer, end);
}

std::vector<std::string> StyleFileLines(const StyleSet& style) {
    std::vector<std::string> lines;
    for (const ElementStyle& e : style.elements) {
        lines.push_back(std::to_string(e.BackColor));
        lines.push_back(e.FontName);
        lines.push_back(std::to_string(e.ForeColor));
        lines.push_back(SizeText(e.FontSize));
        lines.push_back(BIU(e.FontBold, e.FontItalic, e.FontUnderline));
    }
    return lines;
}

std::string StyleFileText(const StyleSet& style) {
    std::string text;
    for (const std::string& line : StyleFileLines(style)) {
        if (!text.empty()) text += kLineEnd;
        text += line;
    }
    return text;
}

bool ApplyStyleLines(const std::vector<std::string>& lines, StyleSet& style) {
    const auto color = [](const std::string& line) { return WholeNumber<std::int32_t>(line); };
    bool valid = lines.size() >= static_cast<std::size_t>(kStyleLinesRead);
    for (std::size_t i = 0; i < lines.size() && i < static_cast<std::size_t>(kStyleLinesRead); ++i) {
        ElementStyle& e = style.elements[i / kLinesPerElement];
        const std::string& line = lines[i];
        switch (i % kLinesPerElement) {
            case 0: valid &= ApplyNumber(line, e.BackColor, color); break;
            case 1: e.FontName = line; break;
            case 2: valid &= ApplyNumber(line, e.ForeColor, color); break;
            case 3: valid &= ApplyNumber(line, e.FontSize, SizeValue); break;
            case 4: ApplyFlags(line, e); break;
        }
    }
    return valid;
}

bool LoadStyle(const std::string& appFolder, StyleSet& style) {
    if (!FileExists(appFolder, kStyleFile)) return false;
    const std::optional<std::vector<std::string>> lines = ReadLines(appFolder, kStyleFile);
    return lines && ApplyStyleLines(*lines, style);
}

WriteOutcome SaveStyle(const std::string& appFolder, const StyleSet& style) {
    return WriteWholeFile(appFolder, kStyleFile, StyleFileText(style));
}

}  // namespace wk
