#include "meta/improved_keywords.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "ground/text.h"
#include "meta/keywords.h"
#include "meta/stop_words.h"

namespace wk {
namespace {

// How much one occurrence counts, by where it stands: the title names the
// page, headings name its parts, link texts mostly name other pages.
constexpr double kTitleWeight = 8;
constexpr double kTopHeadingWeight = 4;
constexpr double kHeadingWeight = 2;
constexpr double kBodyWeight = 1;
constexpr double kLinkRunWeight = 0.5;

double BlockWeight(const ContentBlock& block) {
    switch (block.kind) {
        case BlockKind::Heading: return block.level == 1 ? kTopHeadingWeight : kHeadingWeight;
        case BlockKind::Code: return 0;  // identifiers and keywords of a language
        case BlockKind::Prose: break;
    }
    return block.linkRun() ? kLinkRunWeight : kBodyWeight;
}

struct WordEntry {
    std::string word;
    double weight = 0;  // the weighted count of its occurrences
    double score = 0;
};

class WordTable {
public:
    explicit WordTable(const ContentText& content) : content_(content) {}

    // Every word of text: a run of letters, lower-cased (ASCII letters only,
    // so the page's bytes keep their meaning), one letter or a stop word not counted.
    void add(std::string_view text, double weight) {
        std::size_t start = 0, letters = 0;
        for (std::size_t at = 0; at < text.size();) {
            const PageChar c = CharAt(text, at, content_.encoding);
            if (IsLetter(c.code)) {
                if (letters++ == 0) start = at;
            } else {
                count(text.substr(start, at - start), letters, weight);
                letters = 0;
            }
            at += c.length;
        }
        count(text.substr(start, text.size() - start), letters, weight);
    }

    std::vector<WordEntry> entries() && { return std::move(table_); }

private:
    void count(std::string_view word, std::size_t letters, double weight) {
        if (letters < 2) return;
        const std::string lower = AsciiLowerCase(word);
        if (IsStopWord(lower, content_.lang)) return;
        const auto [slot, added] = index_.try_emplace(lower, table_.size());
        if (added) table_.push_back({lower, 0, 0});
        table_[slot->second].weight += weight;
    }

    const ContentText& content_;
    std::vector<WordEntry> table_;
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace

std::string GenerateImprovedKeywords(const ContentText& content) {
    WordTable words(content);
    words.add(content.title, kTitleWeight);
    for (const ContentBlock& block : content.blocks)
        if (const double weight = BlockWeight(block); weight > 0) words.add(content.blockText(block), weight);
    std::vector<WordEntry> table = std::move(words).entries();
    // Recurrence counts less and less; rare letters lift a word without
    // burying the words of the title.
    for (WordEntry& entry : table) entry.score = std::sqrt(entry.weight) * (1 + std::log1p(LetterRarity(entry.word)));
    std::stable_sort(table.begin(), table.end(),
                     [](const WordEntry& a, const WordEntry& b) { return a.score > b.score; });
    std::string list;
    for (const WordEntry& entry : table) {
        if (list.size() > kKeywordListCap) break;
        if (!list.empty()) list.push_back(',');
        list.append(entry.word);
    }
    return CapKeywordList(std::move(list));
}

std::string GenerateImprovedKeywords(std::string_view page) {
    return GenerateImprovedKeywords(ExtractContentText(page));
}

}  // namespace wk
