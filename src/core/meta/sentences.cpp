#include "meta/sentences.h"

#include <algorithm>

#include "ground/text.h"
#include "markup/no_break_space.h"

namespace wk {
namespace {

// Fewer than two spaces in the stretch: plain spaces and no-break spaces, in
// either of the forms a page may hold them in, count.
bool TooShortToStandAlone(std::string_view stretch) {
    int spaces = 0;
    for (std::size_t i = 0; i < stretch.size(); ++i) {
        const std::size_t noBreak = NoBreakSpaceAt(stretch, i);
        if (stretch[i] != ' ' && noBreak == 0) continue;
        if (++spaces == 2) return false;
        if (noBreak > 1) i += noBreak - 1;
    }
    return true;
}

// A sentence mark followed by a space, worked out without branches (the mark
// looked up, not compared): the index asks it of every character, and on
// text this varied a branch is mispredicted often.
constexpr ByteSet kMarks = BytesOf(".!?");
bool MarkBeforeSpace(char c, char next) { return IsIn(kMarks, c) & (next == ' '); }

}  // namespace

bool IsBoundaryAt(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && MarkBeforeSpace(text[at], text[at + 1]);
}

SentenceIndex::SentenceIndex(std::string_view text) : text_(text) {
    // Counted first, so the lists are allocated once: on long pages growing
    // them costs more than the scan.
    std::size_t count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) count += MarkBeforeSpace(text[i], text[i + 1]);
    // Every position is written and only a boundary's kept, again without a
    // branch; the slot past the list takes the positions after the last one.
    boundaries_.resize(count + 1);
    std::size_t kept = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        boundaries_[kept] = i;
        kept += MarkBeforeSpace(text[i], text[i + 1]);
    }
    boundaries_.pop_back();
    // Right to left, so the sentence after each boundary is known before the
    // boundary in front of it joins it on.
    after_.resize(boundaries_.size());
    for (std::size_t i = boundaries_.size(); i-- > 0;) after_[i] = sentenceFrom(boundaries_[i] + 2, i + 1);
}

SentenceSpan SentenceIndex::sentenceFrom(std::size_t start, std::size_t next) const {
    if (next == boundaries_.size()) {
        // No boundary ahead: the rest of the text, unless the start lies at or
        // after its last character.
        if (start + 1 >= text_.size()) return {start, 0};
        return {start, text_.size() - start};
    }
    const std::size_t mark = boundaries_[next];
    if (mark == start) return {start, 0};
    const SentenceSpan piece{start, mark + 1 - start};
    if (!TooShortToStandAlone(text_.substr(piece.start, piece.length))) return piece;
    const SentenceSpan joined = after_[next];
    if (joined.length == 0) return piece;
    return {start, joined.start + joined.length - start};
}

SentenceSpan SentenceIndex::sentenceAt(std::size_t start) const {
    const auto next = std::lower_bound(boundaries_.begin(), boundaries_.end(), start);
    return sentenceFrom(start, static_cast<std::size_t>(next - boundaries_.begin()));
}

std::size_t LastSentenceCut(std::string_view text) {
    if (text.empty()) return 0;
    // Positions counted from 1; the mark of a boundary at p is character p.
    std::ptrdiff_t p = static_cast<std::ptrdiff_t>(text.size()) - 3;
    while (p > 1 && !IsBoundaryAt(text, static_cast<std::size_t>(p - 1))) --p;
    return p > 3 ? static_cast<std::size_t>(p + 1) : 0;
}

}  // namespace wk
