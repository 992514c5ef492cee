#pragma once
// The five commit options of "Overwrite or Add:": which parts of a page a commit writes.
#include <array>

namespace wk {

inline constexpr int kCommitOptionCount = 5;
enum CommitOption { kOptBoilerplate = 0, kOptMenu = 1, kOptKeywords = 2, kOptDescription = 3, kOptCategory = 4 };
using CommitOptions = std::array<bool, kCommitOptionCount>;

}  // namespace wk
