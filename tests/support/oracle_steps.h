#pragma once
// Literal steps shared by the naive transcriptions the fast routines are
// compared against.
#include <string>
#include <string_view>

#include "ground/text.h"

namespace wk::oracle {

inline constexpr std::size_t npos = std::string::npos;

// Every occurrence, found without regard to case, replaced left to right by
// the replacement as written.
inline std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t hit; (hit = FindNoCase(text, from, start)) != npos; start = hit + from.size())
        out.append(text.substr(start, hit - start)).append(to);
    out.append(text.substr(start));
    return out;
}

}  // namespace wk::oracle
