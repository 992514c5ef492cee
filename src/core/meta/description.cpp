#include "meta/description.h"

#include <cmath>

#include "meta/plain_text.h"
#include "meta/sampled_part.h"
#include "meta/sentences.h"

namespace wk {
namespace {

constexpr std::size_t kShortestCandidate = 5;

// The sentence from the start of the text, then the one after every boundary,
// each when long enough.
std::vector<SentenceSpan> FindCandidates(const SentenceIndex& index) {
    std::vector<SentenceSpan> candidates;
    candidates.reserve(index.boundaries().size() + 1);
    const auto offer = [&](SentenceSpan span) {
        if (span.length >= kShortestCandidate) candidates.push_back(span);
    };
    offer(index.sentenceAt(0));
    for (std::size_t i = 0; i < index.boundaries().size(); ++i) offer(index.sentenceAfter(i));
    return candidates;
}

// Candidate number n, empty outside the list.
SentenceSpan CandidateOrEmpty(const Description& d, std::size_t n) {
    return n < d.candidates.size() ? d.candidates[n] : SentenceSpan{};
}

// Whole sentences go from the end of the back part, then from the end of the
// front part, in turn, until both together fit the cap. Step s of that loop
// leaves s / 2 cuts on the front and (s + 1) / 2 on the back, and the total
// length only falls from step to step, so the first step that fits is found
// by bisection. Returns the lengths the two parts keep.
std::pair<std::size_t, std::size_t> LengthsThatFit(const SampledPart& front, const SampledPart& back) {
    const auto lengthsAt = [&](std::size_t step) {
        return std::pair{front.lengthAfterCuts(step / 2), back.lengthAfterCuts((step + 1) / 2)};
    };
    const auto fits = [&](std::size_t step) {
        const auto [f, b] = lengthsAt(step);
        return f + b <= kDescriptionCap;
    };
    std::size_t low = 0, high = 2 * std::max(front.cutsToEmpty(), back.cutsToEmpty());
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return lengthsAt(low);
}

// The back part with its sentences in reverse order. Each piece after the
// first starts at the space behind its boundary, so it carries that space.
std::string ReverseSentences(std::string_view back) {
    const SentenceIndex index(back);
    const auto piece = [&](std::size_t start) {
        const SentenceSpan span = index.sentenceAt(start);
        return back.substr(span.start, span.length);
    };
    std::vector<std::string_view> pieces{piece(0)};
    for (const std::size_t mark : index.boundaries()) pieces.push_back(piece(mark + 1));
    std::string reversed;
    for (std::size_t i = pieces.size(); i-- > 0;) {
        reversed.append(pieces[i]);
        if (i > 0) reversed.push_back(' ');
    }
    return reversed;
}

}  // namespace

std::string GetSentence(std::string_view text, std::size_t p) {
    const SentenceSpan span = SentenceIndex(text).sentenceAt(p > 0 ? p - 1 : 0);
    if (span.length == 0) return {};
    return std::string(text.substr(span.start, span.length));
}

std::string DropLastSentence(std::string_view x) { return std::string(x.substr(0, LastSentenceCut(x))); }

Description GenerateDescription(std::string_view page) { return DescribeText(ExtractBodyText(page)); }

Description DescribeText(std::string plain) {
    Description d;
    d.plain = std::move(plain);
    const SentenceIndex index(d.plain);
    d.candidates = FindCandidates(index);

    // Candidates 0, 1, 2, 4, ... in front and N-1, N-2, N-4, ... at the back,
    // for k from 0 to floor(sqrt(N / 2)) - 1.
    // Samples beyond the list are empty and leave only their space.
    const std::size_t n = d.candidates.size();
    const long long last = static_cast<long long>(std::floor(std::sqrt(n / 2.0))) - 1;
    SampledPart front(d.plain, index.boundaries()), back(d.plain, index.boundaries());
    front.add(CandidateOrEmpty(d, 0));
    for (long long k = 0; k <= last; ++k) {
        const std::size_t step = k < 63 ? std::size_t{1} << k : n + 1;
        front.add(CandidateOrEmpty(d, step));
        back.add(step <= n ? CandidateOrEmpty(d, n - step) : SentenceSpan{});
    }
    const auto [frontLength, backLength] = LengthsThatFit(front, back);
    d.text = front.prefix(frontLength) + ReverseSentences(back.prefix(backLength));
    return d;
}

}  // namespace wk
