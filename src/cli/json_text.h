#pragma once
// JSON for scripts that read a command's result.
#include <string>
#include <string_view>

namespace wk::cli {

// The text as a JSON string, quotes included: quotes, backslashes and control
// characters escaped, UTF-8 sequences kept; a byte that begins no valid UTF-8
// sequence is read as the single-byte character it is in Latin-1, as pages in
// a single-byte encoding are written.
std::string JsonString(std::string_view text);

}  // namespace wk::cli
