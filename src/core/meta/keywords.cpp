#include "meta/keywords.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "ground/text.h"
#include "meta/plain_text.h"

namespace wk {
namespace {

// Letter frequencies in English text, per thousand letters.
double LetterValue(char c) {
    static constexpr int kValues[26] = {81, 16, 32, 37, 123, 23, 16, 51, 72, 1,  5, 40, 22,
                                        72, 79, 23, 2,  60,  66, 96, 31, 9,  22, 2, 19, 1};
    if (c == ' ') return 167;
    if (c >= 'a' && c <= 'z') return kValues[c - 'a'];
    return 0;
}

constexpr double kWeightConstant = 5.7;

struct WordEntry {
    std::string word;
    int count = 0;
    int score = 0;
};

// The distinct words in order of first appearance, with their counts. Letters
// a to z make words, folded to lower case as they are read (no lower-case copy
// of the text); apostrophes and grave accents are passed over.
std::vector<WordEntry> CountWords(std::string_view text) {
    std::vector<WordEntry> table;
    std::unordered_map<std::string, std::size_t> index;
    std::string word;
    const auto endWord = [&] {
        if (word.empty()) return;
        const auto [slot, added] = index.try_emplace(word, table.size());
        if (added) table.push_back({word, 0, 0});
        ++table[slot->second].count;
        word.clear();
    };
    for (const char c : text) {
        if (const char lower = AsciiLower(c); lower >= 'a' && lower <= 'z')
            word.push_back(lower);
        else if (c != '\'' && c != '`')
            endWord();
    }
    endWord();
    return table;
}

std::string KeywordList(std::vector<WordEntry> table) {
    // Only the words that score are listed, so only they are sorted, and by
    // reference: moving the entries themselves costs more than comparing them.
    std::vector<const WordEntry*> scoring;
    for (WordEntry& entry : table) {
        entry.score =
            static_cast<int>(std::floor(std::sqrt(static_cast<double>(entry.count)) * WordWeight(entry.word)));
        if (entry.score > 0) scoring.push_back(&entry);
    }
    // Highest score first, ties in order of first appearance.
    std::stable_sort(scoring.begin(), scoring.end(),
                     [](const WordEntry* a, const WordEntry* b) { return a->score > b->score; });
    std::string list;
    for (const WordEntry* entry : scoring) {
        // What lies past the cap is cut off again.
        if (list.size() > kKeywordListCap) break;
        if (!list.empty()) list.push_back(',');
        list.append(entry->word);
    }
    return list;
}

}  // namespace

// A first keyword longer than the cap leaves no comma: no part of it is a
// word of the page, so the list is then empty.
std::string CapKeywordList(std::string list) {
    if (list.size() <= kKeywordListCap) return list;
    list.resize(kKeywordListCap);
    const std::size_t comma = list.rfind(',');
    list.resize(comma == std::string::npos ? 0 : comma);
    return list;
}

double LetterRarity(std::string_view word) {
    double sum = 0;
    for (const char c : word)
        if (const double value = LetterValue(c); value > 0) sum += kWeightConstant / value;
    return sum;
}

int WordWeight(std::string_view word) { return static_cast<int>(std::floor(LetterRarity(word))); }

std::string KeywordsOfText(std::string_view plain) { return CapKeywordList(KeywordList(CountWords(plain))); }

std::string GenerateKeywords(std::string_view page) { return KeywordsOfText(ExtractBodyText(page)); }

std::vector<std::string> FillKeywordList(std::string_view list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string_view::npos; start = comma + 1)
        entries.emplace_back(list.substr(start, comma - start));
    entries.emplace_back(list.substr(start));
    return entries;
}

}  // namespace wk
