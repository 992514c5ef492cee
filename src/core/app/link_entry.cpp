#include "app/link_entry.h"

#include <algorithm>

#include "app/commands_settings.h"
#include "ground/text.h"

namespace wk {
namespace {

// A UTF-8 continuation byte: an edit never begins or ends inside a letter.
bool InsideLetter(std::string_view text, std::size_t at) {
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// A scheme, a second prefix or both at the start of text: what a pasted or
// retyped address brings along.
std::size_t RepeatedPrefixLength(std::string_view text, std::string_view prefix) {
    std::size_t length = 0;
    for (std::string_view scheme : {"http://", "https://"})
        if (StartsWithNoCase(text, scheme)) length = scheme.size();
    if (StartsWithNoCase(text.substr(length), prefix)) length += prefix.size();
    return length;
}

}  // namespace

std::optional<LinkBoxText> KeepLinkPrefix(std::string_view before, std::size_t editFrom, const LinkBoxText& edited) {
    const std::string_view prefix = kUrlPrefix;
    const std::string_view after = edited.text;
    if (!before.starts_with(prefix)) return std::nullopt;
    // The edit replaced before[start, before.size() - tail) by after[start, after.size() - tail).
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < std::min(shorter, editFrom) && before[start] == after[start]) ++start;
    const std::size_t mostTail = std::min(shorter - start, after.size() - std::min(edited.caret, after.size()));
    std::size_t tail = 0;
    while (tail < mostTail && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    while (tail > 0 && (InsideLetter(before, before.size() - tail) || InsideLetter(after, after.size() - tail)))
        --tail;

    LinkBoxText kept{std::string(after), after.size() - tail};
    if (start < prefix.size()) {
        // Backspace or Delete inside the prefix removes nothing; what was typed goes after it.
        const std::string_view inserted = after.substr(start, after.size() - tail - start);
        kept.text = std::string(prefix);
        kept.text += inserted;
        kept.text += before.substr(std::max(before.size() - tail, prefix.size()));
        kept.caret = prefix.size() + inserted.size();
    }
    const std::size_t repeated = RepeatedPrefixLength(std::string_view(kept.text).substr(prefix.size()), prefix);
    if (repeated > 0 && start < prefix.size() + repeated) {
        kept.text.erase(prefix.size(), repeated);
        kept.caret = std::max(kept.caret, prefix.size() + repeated) - repeated;
    }
    if (kept.text == after) return std::nullopt;
    return kept;
}

}  // namespace wk
