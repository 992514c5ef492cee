#pragma once
// What a byte of a page is, for the content-reading generators. Pages stay in
// the encoding their site uses: a UTF-8 page's characters are read as whole
// sequences, a single-byte page's (ISO-8859-1, Windows-1252) one byte each.
// The bytes are only looked at, never rewritten; a character written into the
// generators' text (from an entity) is written in the page's own encoding.
#include <cstddef>
#include <string>
#include <string_view>

namespace wk {

enum class PageEncoding { Utf8, SingleByte };

// The declared charset when it names UTF-8 or a single-byte set; otherwise
// UTF-8 when every byte sequence is valid UTF-8, else single-byte.
PageEncoding DetectPageEncoding(std::string_view page);

struct PageChar {
    char32_t code = 0;       // the character's code point
    std::size_t length = 1;  // its bytes in the page
};

// The character starting at position at (which lies inside text). In a UTF-8
// page a byte that starts no valid sequence is read as a single-byte
// character, so a mislabelled page still reads its accented letters whole.
PageChar CharAt(std::string_view text, std::size_t at, PageEncoding encoding);

// Letters make words: ASCII letters, and every character beyond ASCII that is
// not a space, punctuation or a symbol (accented and non-Latin letters, so
// "café", "naïve" and "Straße" stay whole).
bool IsLetter(char32_t code);
// Spaces separate words and collapse: ASCII white space and the no-break and
// typographic spaces.
bool IsSpace(char32_t code);

// Appends a character in the page's encoding; a character a single-byte page
// cannot hold becomes "?".
void AppendChar(std::string& out, char32_t code, PageEncoding encoding);

}  // namespace wk
