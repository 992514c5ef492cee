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

// The characters the stages below react to.
constexpr ByteSet kStaged = BytesOf(" \r\n\t.!?<&");

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
            if (inTag_)
                i = passOverTag(markup, i);
            else if (!inEntity_ && !spacesBeforeMark_ && !spacesInResult_)
                i = passOverPlainRun(markup, i);
        }
    }

    std::string finish() {
        if (spacesBeforeMark_) removeTagsAndEntities(' ');
        if (spacesInResult_) out_.push_back(' ');
        return std::move(out_);
    }

private:
    // Nothing inside a tag reaches the text, so the rest of the tag opened at
    // lt is passed over at once, leaving the state its characters would have
    // left: the entity flag as the last "&" or ";" in it set it, and its ">"
    // as the last character handed on. Returns the position of that ">"; a tag
    // that never ends takes the rest of the page.
    std::size_t passOverTag(std::string_view markup, std::size_t lt) {
        const std::size_t gt = markup.find('>', lt + 1);
        if (gt == std::string_view::npos) return markup.size() - 1;
        // Most tags hold neither, so both are looked for at memchr's pace first.
        const std::string_view inside = markup.substr(lt + 1, gt - lt - 1);
        if (inside.find('&') != std::string_view::npos || (inEntity_ && inside.find(';') != std::string_view::npos))
            inEntity_ = inside[inside.find_last_of("&;")] == '&';
        inTag_ = false;
        lastKept_ = '>';
        spacesBeforeMark_ = false;
        return gt;
    }

    // With no tag or entity open and no spaces pending, a character no stage
    // reacts to goes to the text as it is, so the run of such characters
    // after position i is copied at once. Returns the run's last position.
    std::size_t passOverPlainRun(std::string_view markup, std::size_t i) {
        std::size_t end = i + 1;
        while (end < markup.size() && !IsIn(kStaged, markup[end])) ++end;
        if (end == i + 1) return i;
        out_.append(markup.substr(i + 1, end - i - 1));
        lastKept_ = markup[end - 1];
        return end - 1;
    }

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
    return ExtractPlainText(body ? body->in(page) : std::string_view());
}

}  // namespace wk
