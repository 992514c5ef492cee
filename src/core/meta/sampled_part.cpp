#include "meta/sampled_part.h"

#include <algorithm>

namespace wk {
namespace {

bool IsMark(char c) { return c == '.' || c == '!' || c == '?'; }

}  // namespace

void SampledPart::add(SentenceSpan candidate) {
    Piece piece{candidate, size_, 0, 0, false, boundaryCount()};
    if (candidate.length > 0) {
        // A boundary lies wholly inside when its space does too.
        const std::size_t end = candidate.start + candidate.length;
        piece.firstMark =
            static_cast<std::size_t>(std::lower_bound(marks_.begin(), marks_.end(), candidate.start) - marks_.begin());
        piece.endMark =
            static_cast<std::size_t>(std::lower_bound(marks_.begin(), marks_.end(), end - 1) - marks_.begin());
        piece.endsWithMark = IsMark(text_[end - 1]);
    }
    pieces_.push_back(piece);
    size_ += candidate.length + 1;
}

std::size_t SampledPart::boundaryCount() const {
    if (pieces_.empty()) return 0;
    const Piece& last = pieces_.back();
    return last.boundariesBefore + (last.endMark - last.firstMark) + (last.endsWithMark ? 1 : 0);
}

std::size_t SampledPart::boundaryAt(std::size_t i) const {
    const auto piece = std::upper_bound(pieces_.begin(), pieces_.end(), i,
                                        [](std::size_t n, const Piece& p) { return n < p.boundariesBefore; }) -
                       1;
    const std::size_t local = i - piece->boundariesBefore;
    if (local < piece->endMark - piece->firstMark)
        return piece->offset + (marks_[piece->firstMark + local] - piece->span.start);
    return piece->offset + piece->span.length - 1;
}

// A cut scans from three characters before the end towards the front and
// stops at a boundary whose mark is the fourth character or later (counted
// from 1, marks at 4 to size - 3; 0-based 3 to size - 4). At most two
// boundaries lie before or after that range.
std::pair<std::size_t, std::size_t> SampledPart::usable() const {
    std::size_t first = 0, last = boundaryCount();
    while (first < last && boundaryAt(first) < 3) ++first;
    while (last > first && boundaryAt(last - 1) + 4 > size_) --last;
    return {first, last};
}

std::size_t SampledPart::cutsToEmpty() const {
    const auto [first, last] = usable();
    return last - first + 1;
}

std::size_t SampledPart::lengthAfterCuts(std::size_t cuts) const {
    if (cuts == 0) return size_;
    const auto [first, last] = usable();
    if (cuts > last - first) return 0;
    return boundaryAt(last - cuts) + 2;
}

std::string SampledPart::prefix(std::size_t length) const {
    std::string out;
    out.reserve(length);
    for (const Piece& piece : pieces_) {
        if (out.size() >= length) break;
        out.append(text_.substr(piece.span.start, piece.span.length)).push_back(' ');
    }
    out.resize(std::min(out.size(), length));
    return out;
}

}  // namespace wk
