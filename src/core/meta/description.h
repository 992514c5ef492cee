#pragma once
// Description proposal from a page's own sentences: opening and closing
// sentences sampled at exponentially growing distances, capped in length.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// Longest front and back part together.
inline constexpr std::size_t kDescriptionCap = 1024;

// The sentence of text starting at position p (the first character is 1; 0
// counts as 1), up to and including the mark of its ". ", "! " or "? "; a
// sentence with fewer than two spaces (plain or no-break, as NoBreakSpaceAt
// reads them) has the following sentences joined on.
std::string GetSentence(std::string_view text, std::size_t p);

// The text without its last sentence, or empty.
std::string DropLastSentence(std::string_view x);

// A candidate sentence: a stretch of the plain text. Candidates overlap (a
// short sentence carries its successors), so they are kept as stretches of
// one text rather than as copies, which could grow with the square of the page.
struct SentenceSpan {
    std::size_t start = 0;
    std::size_t length = 0;
};

struct Description {
    std::string text;                      // the proposal for the description box
    std::string plain;                     // the body's plain text the candidates lie in
    std::vector<SentenceSpan> candidates;  // every candidate sentence, in order

    std::string_view candidate(std::size_t i) const {
        return std::string_view(plain).substr(candidates[i].start, candidates[i].length);
    }
    // The candidates as texts for the candidate list box: the first
    // kListedCandidates, each cut to the description's cap. No longer text can
    // be proposed, and a page of many short sentences, whose candidates each
    // run to its end, would otherwise fill the memory with copies.
    static constexpr std::size_t kListedCandidates = 1000;
    std::vector<std::string> candidateTexts() const {
        std::vector<std::string> texts;
        const std::size_t listed = std::min(candidates.size(), kListedCandidates);
        texts.reserve(listed);
        for (std::size_t i = 0; i < listed; ++i) texts.emplace_back(candidate(i).substr(0, kDescriptionCap));
        return texts;
    }
};

Description GenerateDescription(std::string_view page);
// The same from the body's plain text already extracted.
Description DescribeText(std::string plain);

}  // namespace wk
