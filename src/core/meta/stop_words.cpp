#include "meta/stop_words.h"

#include <algorithm>
#include <iterator>

#include "ground/text.h"

namespace wk {
namespace {

// English function words and the stems contractions leave once their
// apostrophe splits them ("doesn't" gives "doesn"), sorted.
constexpr std::string_view kEnglish[] = {
    "a",       "about",    "above",     "after",    "again",  "against",    "all",      "almost",     "along",
    "already", "also",     "although",  "always",   "am",     "among",      "an",       "and",        "another",
    "any",     "anyone",   "anything",  "are",      "aren",   "around",     "as",       "at",         "be",
    "became",  "because",  "become",    "been",     "before", "being",      "below",    "between",    "both",
    "but",     "by",       "can",       "cannot",   "could",  "couldn",     "did",      "didn",       "do",
    "does",    "doesn",    "doing",     "don",      "done",   "down",       "during",   "each",       "either",
    "else",    "enough",   "etc",       "even",     "ever",   "every",      "few",      "for",        "from",
    "further", "get",      "gets",      "getting",  "given",  "gives",      "go",       "goes",       "going",
    "got",     "had",      "hadn",      "has",      "hasn",   "have",       "haven",    "having",     "he",
    "her",     "here",     "hers",      "herself",  "him",    "himself",    "his",      "how",        "however",
    "i",       "if",       "in",        "into",     "is",     "isn",        "it",       "its",        "itself",
    "just",    "least",    "less",      "like",     "ll",     "made",       "make",     "makes",      "many",
    "may",     "me",       "might",     "more",     "most",   "much",       "must",     "my",         "myself",
    "neither", "never",    "no",        "nor",      "not",    "now",        "of",       "off",        "often",
    "on",      "once",     "one",       "only",     "onto",   "or",         "other",    "others",     "otherwise",
    "our",     "ours",     "ourselves", "out",      "over",   "own",        "per",      "perhaps",    "quite",
    "rather",  "re",       "really",    "same",     "see",    "seen",       "shall",    "shan",       "she",
    "should",  "shouldn",  "since",     "so",       "some",   "something",  "still",    "such",       "than",
    "that",    "the",      "their",     "theirs",   "them",   "themselves", "then",     "there",      "therefore",
    "these",   "they",     "this",      "those",    "though", "through",    "thus",     "to",         "too",
    "under",   "until",    "up",        "upon",     "us",     "use",        "used",     "uses",       "using",
    "ve",      "very",     "via",       "was",      "wasn",   "we",         "well",     "were",       "weren",
    "what",    "whatever", "when",      "whenever", "where",  "whereas",    "whether",  "which",      "while",
    "who",     "whom",     "whose",     "why",      "will",   "with",       "within",   "without",    "won",
    "would",   "wouldn",   "yet",       "you",      "your",   "yours",      "yourself", "yourselves",
};

// A page that names no language is read as English; "en", "en-GB" and
// "en_US" are English.
bool IsEnglish(std::string_view lang) {
    if (lang.empty()) return true;
    return EqualsNoCase(lang.substr(0, 2), "en") && (lang.size() == 2 || lang[2] == '-' || lang[2] == '_');
}

}  // namespace

bool IsStopWord(std::string_view word, std::string_view lang) {
    return IsEnglish(lang) && std::binary_search(std::begin(kEnglish), std::end(kEnglish), word);
}

}  // namespace wk
