#include "app/text.h"

#include <algorithm>
#include <cstdlib>

namespace wk {

std::string AsciiLowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (from > haystack.size()) return std::string::npos;
    if (needle.empty()) return from;
    const char first = AsciiLower(needle[0]);
    const std::size_t last = haystack.size() - std::min(haystack.size(), needle.size());
    if (haystack.size() < needle.size()) return std::string::npos;
    for (std::size_t i = from; i <= last; ++i) {
        if (AsciiLower(haystack[i]) != first) continue;
        if (EqualsNoCase(haystack.substr(i, needle.size()), needle)) return i;
    }
    return std::string::npos;
}

std::size_t FindLastNoCase(std::string_view haystack, std::string_view needle) {
    if (needle.size() > haystack.size()) return std::string::npos;
    for (std::size_t i = haystack.size() - needle.size() + 1; i-- > 0;)
        if (EqualsNoCase(haystack.substr(i, needle.size()), needle)) return i;
    return std::string::npos;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(from, start)) != std::string_view::npos; start = hit + from.size()) {
        out.append(text.substr(start, hit - start));
        out.append(to);
    }
    out.append(text.substr(start));
    return out;
}

std::string TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string PadLeftZeros(std::string_view text, std::size_t minimumLength) {
    if (text.size() >= minimumLength) return std::string(text);
    return std::string(minimumLength - text.size(), '0') + std::string(text);
}

double LeadingValue(std::string_view text) {
    // Blanks may stand anywhere in the number, as the size box and the
    // settings files have always allowed.
    std::string compact;
    for (char c : text.substr(0, 256))
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact.push_back(c);
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') ++i;
    if (i < compact.size() && compact[i] == '.') ++i;
    while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') ++i;
    if (i == digitsStart || (i == digitsStart + 1 && compact[digitsStart] == '.')) return 0;
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) ++j;
        const std::size_t expStart = j;
        while (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') ++j;
        if (j > expStart) i = j;
    }
    return std::strtod(compact.substr(0, i).c_str(), nullptr);
}

}  // namespace wk
