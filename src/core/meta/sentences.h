#pragma once
// Sentence lookups over one text for the description generator: where the
// ". ", "! " and "? " boundaries lie, and how far a sentence runs once the
// short sentences after it are joined on.
#include <cstddef>
#include <string_view>
#include <vector>

#include "meta/description.h"

namespace wk {

bool IsBoundaryAt(std::string_view text, std::size_t at);  // 0-based mark position

class SentenceIndex {
public:
    explicit SentenceIndex(std::string_view text);
    // The sentence starting at 0-based position start. Joining short sentences
    // onto a sentence only ever adds the space after its mark and the
    // following sentence, so every result is a stretch of the text.
    SentenceSpan sentenceAt(std::size_t start) const;
    // The 0-based positions of the boundaries' marks, in order.
    const std::vector<std::size_t>& boundaries() const { return boundaries_; }
    // The sentence that starts just after boundary number i (after its space).
    SentenceSpan sentenceAfter(std::size_t i) const { return after_[i]; }

private:
    // The sentence from start whose piece stops at boundary number next (or
    // runs to the end of the text when next is the number of boundaries).
    SentenceSpan sentenceFrom(std::size_t start, std::size_t next) const;

    std::string_view text_;
    std::vector<std::size_t> boundaries_;
    std::vector<SentenceSpan> after_;
};

// The text's length without its last sentence (see DropLastSentence).
std::size_t LastSentenceCut(std::string_view text);

}  // namespace wk
