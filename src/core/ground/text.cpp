#include "ground/text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

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

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// The next position at or after from, before end, holding c; end when none.
std::size_t NextByte(std::string_view text, char c, std::size_t from, std::size_t end) {
    const void* hit = std::memchr(text.data() + from, c, end - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : end;
}

}  // namespace

std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (from > haystack.size()) return std::string::npos;
    if (needle.empty()) return from;
    if (haystack.size() - from < needle.size()) return std::string::npos;
    // Candidates are found with memchr for either case of the first letter;
    // each case keeps its own next position, so the page is passed once.
    const std::size_t end = haystack.size() - needle.size() + 1;
    const char lower = AsciiLower(needle[0]);
    const char upper = AsciiUpper(needle[0]);
    std::size_t nextLower = NextByte(haystack, lower, from, end);
    std::size_t nextUpper = upper == lower ? end : NextByte(haystack, upper, from, end);
    while (true) {
        const std::size_t i = std::min(nextLower, nextUpper);
        if (i >= end) return std::string::npos;
        if (EqualsNoCase(haystack.substr(i + 1, needle.size() - 1), needle.substr(1))) return i;
        if (i == nextLower) nextLower = NextByte(haystack, lower, i + 1, end);
        if (i == nextUpper) nextUpper = NextByte(haystack, upper, i + 1, end);
    }
}

std::size_t FindLastNoCase(std::string_view haystack, std::string_view needle) {
    if (needle.size() > haystack.size()) return std::string::npos;
    const char first = AsciiLower(needle.empty() ? '\0' : needle[0]);
    for (std::size_t i = haystack.size() - needle.size() + 1; i-- > 0;)
        if ((needle.empty() || AsciiLower(haystack[i]) == first) && EqualsNoCase(haystack.substr(i, needle.size()), needle))
            return i;
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
    // from_chars reads "." as the separator in every locale, and takes no "+".
    const std::size_t from = compact[0] == '+' ? 1 : 0;
    double value = 0;
    std::from_chars(compact.data() + from, compact.data() + i, value);
    return value;
}

}  // namespace wk
