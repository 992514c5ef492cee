#pragma once
// The front or back part of a description: sampled candidates, each followed
// by one space. Candidates can be long stretches of the page's text, so the
// part is kept as pieces of that text, and the lengths it takes as whole
// sentences are dropped from its end are read off its boundaries instead of
// being found by cutting a copy again and again.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "meta/description.h"

namespace wk {

class SampledPart {
public:
    // text is the plain text the candidates lie in; marks its boundaries' marks.
    SampledPart(std::string_view text, const std::vector<std::size_t>& marks) : text_(text), marks_(marks) {}

    // Appends a candidate (possibly empty) and a space.
    void add(SentenceSpan candidate);
    std::size_t size() const { return size_; }
    // The length after cuts applications of DropLastSentence: each cut ends
    // the part just after the space of the last boundary at least three
    // characters before its end (and beyond the first three characters), or
    // empties it.
    std::size_t lengthAfterCuts(std::size_t cuts) const;
    // The number of cuts after which the part is surely empty.
    std::size_t cutsToEmpty() const;
    std::string prefix(std::size_t length) const;

private:
    struct Piece {
        SentenceSpan span;
        std::size_t offset;     // where the piece starts in the part
        std::size_t firstMark;  // the text's boundaries inside the piece: [firstMark, endMark)
        std::size_t endMark;
        bool endsWithMark;  // its space after it makes one more boundary
        std::size_t boundariesBefore;
    };
    std::size_t boundaryCount() const;
    std::size_t boundaryAt(std::size_t i) const;  // 0-based position of boundary number i
    // The numbers [first, last) of the boundaries a cut can stop at.
    std::pair<std::size_t, std::size_t> usable() const;

    std::string_view text_;
    const std::vector<std::size_t>& marks_;
    std::vector<Piece> pieces_;
    std::size_t size_ = 0;
};

}  // namespace wk
