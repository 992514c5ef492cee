#include "meta/page_letters.h"

#include <cctype>

#include "ground/text.h"

namespace wk {
namespace {

unsigned char ByteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }
bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// Windows-1252's characters for the bytes 0x80 to 0x9F (0 where it has none);
// browsers read ISO-8859-1 pages this way too.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t SingleByteChar(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kWindows1252High[b - 0x80] != 0) return kWindows1252High[b - 0x80];
    return b;
}

// The valid UTF-8 sequence at position at; length 0 when there is none.
PageChar Utf8At(std::string_view text, std::size_t at) {
    const unsigned char b = ByteAt(text, at);
    std::size_t length = 0;
    char32_t code = 0;
    if (b >= 0xC2 && b <= 0xDF)
        length = 2, code = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF)
        length = 3, code = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4)
        length = 4, code = b & 0x07;
    if (length == 0 || at + length > text.size()) return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = ByteAt(text, at + i);
        if (!IsContinuation(next)) return {0, 0};
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not characters.
    static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {0, 0};
    return {code, length};
}

bool IsValidUtf8(std::string_view page) {
    for (std::size_t at = 0; at < page.size();) {
        if (ByteAt(page, at) < 0x80) {
            ++at;
            continue;
        }
        const PageChar c = Utf8At(page, at);
        if (c.length == 0) return false;
        at += c.length;
    }
    return true;
}

// The charset a page declares near its start (meta charset, the
// Content-Type meta tag, or an XML declaration's encoding); empty when none.
std::string DeclaredCharset(std::string_view page) {
    const std::string_view start = page.substr(0, 4096);
    for (const std::string_view key : {std::string_view("charset"), std::string_view("encoding")}) {
        std::size_t at = FindNoCase(start, key);
        if (at == std::string_view::npos) continue;
        at += key.size();
        while (at < start.size() && (start[at] == ' ' || start[at] == '=' || start[at] == '"' || start[at] == '\''))
            ++at;
        std::size_t end = at;
        while (end < start.size() &&
               (std::isalnum(static_cast<unsigned char>(start[end])) || start[end] == '-' || start[end] == '_'))
            ++end;
        if (end > at) return AsciiLowerCase(start.substr(at, end - at));
    }
    return {};
}

}  // namespace

PageEncoding DetectPageEncoding(std::string_view page) {
    const std::string charset = DeclaredCharset(page);
    if (charset == "utf-8" || charset == "utf8") return PageEncoding::Utf8;
    for (const char* single : {"iso-8859", "iso8859", "latin", "windows-125", "cp125", "us-ascii", "ascii"})
        if (charset.starts_with(single)) return PageEncoding::SingleByte;
    return IsValidUtf8(page) ? PageEncoding::Utf8 : PageEncoding::SingleByte;
}

PageChar CharAt(std::string_view text, std::size_t at, PageEncoding encoding) {
    const unsigned char b = ByteAt(text, at);
    if (b < 0x80) return {b, 1};
    if (encoding == PageEncoding::Utf8)
        if (const PageChar c = Utf8At(text, at); c.length > 0) return c;
    return {SingleByteChar(b), 1};
}

bool IsLetter(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    // Latin-1's signs and punctuation, bar the ordinal indicators and micro sign.
    if (c <= 0xBF) return c == 0xAA || c == 0xB5 || c == 0xBA;
    if (c == 0xD7 || c == 0xF7) return false;  // multiplication and division signs
    if (c >= 0x2000 && c <= 0x2BFF) return c == 0x2071 || c == 0x207F || (c >= 0x2090 && c <= 0x209C);
    if (c >= 0x3000 && c <= 0x303F) return false;  // CJK spaces and punctuation
    if (c >= 0xFE30 && c <= 0xFE4F) return false;  // CJK compatibility forms
    if (c >= 0xFF00 && c <= 0xFF20) return false;  // full-width digits and punctuation
    if (c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFF)) return false;
    if (c >= 0x1F000) return false;  // pictographs and emoji
    return true;
}

bool IsSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0xA0 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

void AppendChar(std::string& out, char32_t c, PageEncoding encoding) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (encoding == PageEncoding::SingleByte) {
        if (c >= 0xA0 && c <= 0xFF) {
            out.push_back(static_cast<char>(c));
            return;
        }
        for (unsigned char b = 0x80; b <= 0x9F; ++b)
            if (kWindows1252High[b - 0x80] == c) {
                out.push_back(static_cast<char>(b));
                return;
            }
        out.push_back('?');
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace wk
