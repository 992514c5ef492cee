#pragma once
// Small text helpers shared by every subsystem. Texts are byte strings; letter
// case is folded for ASCII letters only, so page bytes are never reinterpreted.
#include <array>
#include <string>
#include <string_view>

namespace wk {

inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
std::string AsciiLowerCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view start);

// A table of the given bytes, for scans that look every byte of a page up.
using ByteSet = std::array<bool, 256>;
constexpr ByteSet BytesOf(std::string_view bytes) {
    ByteSet set{};
    for (const char c : bytes) set[static_cast<unsigned char>(c)] = true;
    return set;
}
inline bool IsIn(const ByteSet& set, char c) { return set[static_cast<unsigned char>(c)]; }

// Position of the first occurrence of needle at or after from, letter case
// ignored; std::string::npos when absent.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
// Position of the last occurrence, letter case ignored; npos when absent.
std::size_t FindLastNoCase(std::string_view haystack, std::string_view needle);

// Every occurrence replaced in one left-to-right pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// Every occurrence of needle (letter case ignored) removed in one
// left-to-right pass; how many were.
std::size_t EraseAllNoCase(std::string& text, std::string_view needle);

// The text without its leading and trailing plain spaces (tabs and others stay).
std::string TrimSpaces(std::string_view text);
// The text with "0" added on the left up to the minimum length.
std::string PadLeftZeros(std::string_view text, std::size_t minimumLength);
// The leading decimal number of a text (blanks skipped, optional sign,
// fraction and exponent); 0 when the text does not begin with a number. The
// decimal separator is always ".", whatever the locale.
double LeadingValue(std::string_view text);

}  // namespace wk
