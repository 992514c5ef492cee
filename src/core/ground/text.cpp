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

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && EqualsNoCase(text.substr(0, start.size()), start);
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

// The last position before end holding c; npos when none.
std::size_t PreviousByte(std::string_view text, char c, std::size_t end) {
    const void* hit = ::memrchr(text.data(), c, end);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : std::string::npos;
}

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// Long needles are found by skipping ahead by up to their length where a
// byte cannot be part of them (Horspool's method, both letter cases in one
// table); short ones by memchr on their first byte, which is faster for them.
constexpr std::size_t kSkippingNeedle = 8;
constexpr std::size_t kSkippingText = 256;

bool SkipsAhead(std::size_t textSize, std::size_t needleSize) {
    return needleSize >= kSkippingNeedle && textSize >= kSkippingText;
}

// How far a window may move when the byte at its end (or start) is c.
struct Shifts {
    std::size_t by[256];
    Shifts(std::size_t m) { std::fill(std::begin(by), std::end(by), m); }
    void set(char c, std::size_t shift) { by[Byte(AsciiLower(c))] = by[Byte(AsciiUpper(c))] = shift; }
};

bool IsEither(char c, char letter) { return c == AsciiLower(letter) || c == AsciiUpper(letter); }

std::size_t SkippingFind(std::string_view haystack, std::string_view needle, std::size_t from) {
    const std::size_t m = needle.size();
    Shifts shifts(m);
    for (std::size_t i = 0; i + 1 < m; ++i) shifts.set(needle[i], m - 1 - i);
    const char last = needle[m - 1];
    for (std::size_t at = from; at + m <= haystack.size(); at += shifts.by[Byte(haystack[at + m - 1])])
        if (IsEither(haystack[at + m - 1], last) && EqualsNoCase(haystack.substr(at, m - 1), needle.substr(0, m - 1)))
            return at;
    return std::string::npos;
}

// The same from the end: a window moves left until its first byte could
// stand in the needle.
std::size_t SkippingFindLast(std::string_view haystack, std::string_view needle) {
    const std::size_t m = needle.size();
    Shifts shifts(m);
    for (std::size_t i = m - 1; i >= 1; --i) shifts.set(needle[i], i);
    for (std::size_t at = haystack.size() - m;;) {
        const char c = haystack[at];
        if (IsEither(c, needle[0]) && EqualsNoCase(haystack.substr(at + 1, m - 1), needle.substr(1))) return at;
        if (at < shifts.by[Byte(c)]) return std::string::npos;
        at -= shifts.by[Byte(c)];
    }
}

}  // namespace

std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (from > haystack.size()) return std::string::npos;
    if (needle.empty()) return from;
    if (haystack.size() - from < needle.size()) return std::string::npos;
    if (SkipsAhead(haystack.size() - from, needle.size())) return SkippingFind(haystack, needle, from);
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
    if (needle.empty()) return haystack.size();
    if (SkipsAhead(haystack.size(), needle.size())) return SkippingFindLast(haystack, needle);
    // Candidates are found with memrchr for either case of the first letter.
    const std::size_t end = haystack.size() - needle.size() + 1;
    const char lower = AsciiLower(needle[0]);
    const char upper = AsciiUpper(needle[0]);
    std::size_t nextLower = PreviousByte(haystack, lower, end);
    std::size_t nextUpper = upper == lower ? std::string::npos : PreviousByte(haystack, upper, end);
    while (nextLower != std::string::npos || nextUpper != std::string::npos) {
        const std::size_t i = nextLower == std::string::npos   ? nextUpper
                              : nextUpper == std::string::npos ? nextLower
                                                               : std::max(nextLower, nextUpper);
        if (EqualsNoCase(haystack.substr(i + 1, needle.size() - 1), needle.substr(1))) return i;
        if (i == nextLower) nextLower = PreviousByte(haystack, lower, i);
        if (i == nextUpper) nextUpper = PreviousByte(haystack, upper, i);
    }
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

std::size_t EraseAllNoCase(std::string& text, std::string_view needle) {
    std::size_t hit = needle.empty() ? std::string::npos : FindNoCase(text, needle);
    if (hit == std::string::npos) return 0;
    std::string kept;
    kept.reserve(text.size());
    std::size_t count = 0;
    std::size_t from = 0;
    for (; hit != std::string::npos; hit = FindNoCase(text, needle, from), ++count) {
        kept.append(text, from, hit - from);
        from = hit + needle.size();
    }
    kept.append(text, from);
    text = std::move(kept);
    return count;
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
