#include "meta/plain_text.h"

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

bool IsLineSpace(char c) { return c == '\r' || c == '\n' || c == '\t'; }
bool IsSentenceMark(char c) { return c == '.' || c == '!' || c == '?'; }

// True when "</h" or "</p" (either case) starts at position at.
bool ClosingHeadingOrParagraph(std::string_view markup, std::size_t at) {
    if (at + 2 >= markup.size() || markup[at] != '<' || markup[at + 1] != '/') return false;
    const char letter = AsciiLower(markup[at + 2]);
    return letter == 'h' || letter == 'p';
}

// The extraction's steps as stages that hand each character on to the next,
// so the page is read once and no intermediate copy is made. Each stage is
// the fixed point of its repeated replacements, worked out character by
// character.
class PlainTextStages {
public:
    explicit PlainTextStages(std::size_t expected) { out_.reserve(expected); }

    // Line breaks and tabs become spaces; a sentence mark directly before a
    // tag gets a space; a space before a heading's or paragraph's closing tag
    // gets a full stop in front, so the heading or paragraph ends a sentence.
    void markSentenceEnds(std::string_view markup) {
        for (std::size_t i = 0; i < markup.size(); ++i) {
            const char c = IsLineSpace(markup[i]) ? ' ' : markup[i];
            if (c == ' ' && ClosingHeadingOrParagraph(markup, i + 1)) dropStopsAfterMarks('.');
            dropStopsAfterMarks(c);
            // The space put between a mark and a tag can itself precede "</h" or "</p".
            if (IsSentenceMark(c) && i + 1 < markup.size() && markup[i + 1] == '<') {
                if (ClosingHeadingOrParagraph(markup, i + 1)) dropStopsAfterMarks('.');
                dropStopsAfterMarks(' ');
            }
        }
    }

    std::string finish() {
        if (spacesBeforeMark_) removeTagsAndEntities(' ');
        if (spacesInResult_) out_.push_back(' ');
        return std::move(out_);
    }

private:
    // Repeating ".." to ".", "!." to "!" and "?." to "?" in that order: a full
    // stop goes whenever it directly follows a kept ".", "!" or "?".
    void dropStopsAfterMarks(char c) {
        if (c == '.' && IsSentenceMark(lastKept_)) return;
        lastKept_ = c;
        settleSpaces(c);
    }

    // Repeating " ." to ".", " !" to "!", " ?" to "?" and then two spaces to
    // one: a run of spaces vanishes before a sentence mark and shrinks to one
    // space elsewhere.
    void settleSpaces(char c) {
        if (c == ' ') {
            spacesBeforeMark_ = true;
            return;
        }
        if (spacesBeforeMark_ && !IsSentenceMark(c)) removeTagsAndEntities(' ');
        spacesBeforeMark_ = false;
        removeTagsAndEntities(c);
    }

    // The in-tag and in-entity flags: "<" and "&" switch them on before the
    // character is judged, ">" and ";" switch them off after.
    void removeTagsAndEntities(char c) {
        if (c == '<') inTag_ = true;
        if (c == '&') inEntity_ = true;
        if (!inTag_ && !inEntity_) collapseSpaces(c);
        if (c == '>') inTag_ = false;
        if (c == ';') inEntity_ = false;
    }

    // Line breaks and tabs went in the first step, so only runs of spaces are
    // left to shrink to one.
    void collapseSpaces(char c) {
        if (c == ' ') {
            spacesInResult_ = true;
            return;
        }
        if (spacesInResult_) out_.push_back(' ');
        spacesInResult_ = false;
        out_.push_back(c);
    }

    std::string out_;
    char lastKept_ = 0;
    bool spacesBeforeMark_ = false;
    bool inTag_ = false;
    bool inEntity_ = false;
    bool spacesInResult_ = false;
};

}  // namespace

std::string ExtractPlainText(std::string_view markup) {
    PlainTextStages stages(markup.size() + markup.size() / 8);
    stages.markSentenceEnds(markup);
    return stages.finish();
}

std::string ExtractBodyText(std::string_view page) {
    const std::optional<TagContent> body = FindTagContent(page, "body");
    return ExtractPlainText(body ? page.substr(body->start, body->end - body->start) : std::string_view());
}

}  // namespace wk
