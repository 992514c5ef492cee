#pragma once
// Step-by-step transcriptions of the plain-text extraction and the keyword and
// description generators, kept deliberately naive (repeated replacements,
// repeated selection, sentence searches from every position) so the fast
// routines can be compared against them.
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ground/text.h"
#include "core/markup/oracle_markup.h"
#include "markup/scan.h"

namespace wk::oracle {

inline void Repeat(std::string& text, std::string_view from, std::string_view to) {
    while (text.find(from) != npos) text = ReplaceAll(text, from, to);
}

inline std::string ExtractPlainText(std::string_view markup) {
    std::string t(markup);
    t = ReplaceAll(ReplaceAll(ReplaceAll(t, "\r", " "), "\n", " "), "\t", " ");
    t = ReplaceAll(ReplaceAll(ReplaceAll(t, ".<", ". <"), "?<", "? <"), "!<", "! <");
    t = ReplaceAllNoCase(ReplaceAllNoCase(t, " </h", ". </h"), " </p", ". </p");
    for (const auto& [from, to] : {std::pair{"..", "."}, {"!.", "!"}, {"?.", "?"}, {" .", "."}, {" !", "!"},
                                   {" ?", "?"}, {"  ", " "}})
        Repeat(t, from, to);
    std::string out;
    bool inTag = false, inEntity = false;
    for (const char c : t) {
        if (c == '<') inTag = true;
        if (c == '&') inEntity = true;
        if (!inTag && !inEntity) out.push_back(c);
        if (c == '>') inTag = false;
        if (c == ';' && inEntity) inEntity = false;
    }
    out = ReplaceAll(ReplaceAll(ReplaceAll(out, "\r", " "), "\n", " "), "\t", " ");
    Repeat(out, "  ", " ");
    return out;
}

inline int WordWeight(std::string_view word) {
    const std::string letters = " etaonisrhldcupfmwybgvkqxjz";
    const int values[] = {167, 123, 96, 81, 79, 72, 72, 66, 60, 51, 40, 37, 32, 31,
                          23,  23,  22, 22, 19, 16, 16, 9,  5,  2,  2,  1,  1};
    double sum = 0;
    for (const char c : word) {
        const std::size_t at = letters.find(c);
        if (at != npos) sum += 5.7 / values[at];
    }
    return static_cast<int>(std::floor(sum));
}

inline std::string GenerateKeywords(std::string_view page) {
    const std::string text = AsciiLowerCase(ExtractPlainText(ExtractTagContent(page, "body")));
    std::vector<std::string> words;
    std::vector<long long> counts;
    std::map<std::string, std::size_t> where;  // only to find a word quickly
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (c >= 'a' && c <= 'z') {
            word += c;
        } else if (c == '\'' || c == '`') {
        } else if (!word.empty()) {
            const auto found = where.find(word);
            if (found != where.end()) {
                ++counts[found->second];
            } else {
                where[word] = words.size();
                words.push_back(word);
                counts.push_back(1);
            }
            word.clear();
        }
    }
    std::vector<long long> scores;
    for (std::size_t i = 0; i < words.size(); ++i)
        scores.push_back(
            static_cast<long long>(std::floor(std::sqrt(static_cast<double>(counts[i])) * WordWeight(words[i]))));
    std::string list;
    for (std::size_t pass = 0; pass < words.size(); ++pass) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < words.size(); ++i)
            if (scores[i] > scores[best]) best = i;
        if (scores[best] > 0) list += words[best] + ",";
        scores[best] = 0;
    }
    if (!list.empty()) list.pop_back();
    if (list.size() > 1024) {
        list.resize(1024);
        const std::size_t comma = list.rfind(',');
        list.resize(comma == npos ? 0 : comma);
    }
    return list;
}

// p counts from 1.
inline std::string GetSentence(const std::string& text, std::size_t p) {
    std::size_t e = npos;
    for (const char* boundary : {". ", "! ", "? "}) {
        const std::size_t at = p - 1 <= text.size() ? text.find(boundary, p - 1) : npos;
        if (at != npos && (e == npos || at + 1 < e)) e = at + 1;
    }
    std::string s;
    if (e != npos && e > p)
        s = text.substr(p - 1, e - p + 1);
    else if (e == npos && p < text.size())
        s = text.substr(p - 1);
    if (!s.empty()) {
        int spaces = 0;
        for (const std::string& c : Characters(s)) spaces += c == " " || IsNoBreakSpace(c) ? 1 : 0;
        if (spaces < 2) {
            const std::string next = GetSentence(text, p + s.size() + 1);
            if (!next.empty()) s += " " + next;
        }
    }
    return s;
}

inline bool BoundaryAt(const std::string& x, std::size_t p) {  // p counts from 1
    const std::string two = x.substr(p - 1, 2);
    return two == ". " || two == "! " || two == "? ";
}

inline std::string DropLastSentence(const std::string& x) {
    if (x.empty()) return x;
    long long p = static_cast<long long>(x.size()) - 3;
    while (p > 1 && !BoundaryAt(x, static_cast<std::size_t>(p))) --p;
    return p > 3 ? x.substr(0, static_cast<std::size_t>(p) + 1) : std::string();
}

struct Description {
    std::string text;
    std::vector<std::string> candidates;
};

inline Description GenerateDescription(std::string_view page) {
    const std::string t = ExtractPlainText(ExtractTagContent(page, "body"));
    Description d;
    if (GetSentence(t, 1).size() >= 5) d.candidates.push_back(GetSentence(t, 1));
    for (std::size_t i = 1; i + 1 <= t.size(); ++i)
        if (BoundaryAt(t, i) && GetSentence(t, i + 2).size() >= 5) d.candidates.push_back(GetSentence(t, i + 2));
    const long long n = static_cast<long long>(d.candidates.size());
    const long long k = static_cast<long long>(std::floor(std::sqrt(n / 2.0))) - 1;
    const auto candidate = [&](double i) {
        return i >= 0 && i < n ? d.candidates[static_cast<std::size_t>(i)] : std::string();
    };
    std::string d1 = candidate(0) + " ";
    for (long long j = 0; j <= k; ++j) d1 += candidate(std::pow(2.0, j)) + " ";
    std::string d2;
    for (long long j = 0; j <= k; ++j) d2 += candidate(n - std::pow(2.0, j)) + " ";
    while (d1.size() + d2.size() > 1024) {
        d2 = DropLastSentence(d2);
        if (d1.size() + d2.size() > 1024) d1 = DropLastSentence(d1);
    }
    std::string e = GetSentence(d2, 1);
    for (std::size_t i = 1; i + 1 <= d2.size(); ++i)
        if (BoundaryAt(d2, i)) e = GetSentence(d2, i + 1) + " " + e;
    d.text = d1 + e;
    return d;
}

}  // namespace wk::oracle
