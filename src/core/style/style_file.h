#pragma once
// menu.ufm: the StyleSet as 25 lines, five for each element in element order:
// back colour, font name, text colour, size, flags.
#include <string>
#include <vector>

#include "ground/file_routines.h"
#include "style/style_set.h"

namespace wk {

inline constexpr const char* kStyleFile = "menu.ufm";
inline constexpr int kStyleFileLineCount = 25;

// "B", "I", "U" for the flags that are set, in that order; "N" for none.
std::string BIU(bool bold, bool italic, bool underline);
// The shortest decimal text that reads back to the same float; "." always,
// never an exponent: 9.75, 12, 14.25.
std::string SizeText(float size);

// The 25 lines, without line ends.
std::vector<std::string> StyleFileLines(const StyleSet& style);
// The 25 lines joined by CR LF, without the final line end (the writer adds it).
std::string StyleFileText(const StyleSet& style);

// Applies lines 1 to 21 of a menu.ufm (the spine's font lines are never read).
// A missing line, a colour or size that is not a number, or a size not above 0
// keeps that field's current value; the valid lines still apply. True when
// every field read was valid.
bool ApplyStyleLines(const std::vector<std::string>& lines, StyleSet& style);
// Reads menu.ufm from the folder. False when it is absent or unreadable (the
// style is unchanged then) or when some line was not valid.
bool LoadStyle(const std::string& appFolder, StyleSet& style);
// Rewrites menu.ufm whole, in one atomic write.
WriteOutcome SaveStyle(const std::string& appFolder, const StyleSet& style);

}  // namespace wk
