#pragma once
// What a link box keeps of the user's edits. A link always begins with
// "www.": an edit can neither remove that prefix nor repeat it, and nothing
// the user typed or pasted is lost on its account.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wk {

struct LinkBoxText {
    std::string text;
    std::size_t caret = 0;  // bytes before the caret
};

// before: the box's text before the edit; editFrom: where the edit began
// (the start of the selection it replaced, else the caret); after: the text
// and caret the edit left (all in UTF-8 bytes). The two positions settle
// where the edit lies when the text repeats itself. An edit that touches the
// prefix leaves it whole and puts what it inserted right after it; an
// "http://", "https://" or "www." inserted right after the prefix is dropped.
// Nothing when the edit stands as made, or when before had no prefix to keep.
std::optional<LinkBoxText> KeepLinkPrefix(std::string_view before, std::size_t editFrom, const LinkBoxText& after);

}  // namespace wk
