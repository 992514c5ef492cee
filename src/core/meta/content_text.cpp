#include "meta/content_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <optional>

#include "ground/text.h"
#include "meta/entities.h"

namespace wk {
namespace {

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Tags that start a new block of text: a word never runs across them.
bool IsBlockTag(std::string_view name) {
    return IsOneOf(name, {"address", "article", "aside",  "blockquote", "body",    "br",      "caption",  "center",
                          "dd",      "details", "dialog", "div",        "dl",      "dt",      "fieldset", "figcaption",
                          "figure",  "footer",  "form",   "h1",         "h2",      "h3",      "h4",       "h5",
                          "h6",      "header",  "hr",     "html",       "legend",  "li",      "main",     "nav",
                          "ol",      "option",  "p",      "pre",        "section", "summary", "table",    "tbody",
                          "td",      "tfoot",   "th",     "thead",      "tr",      "ul"});
}

bool IsVoidTag(std::string_view name) {
    return IsOneOf(name, {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source",
                          "track", "wbr"});
}

// Elements whose content is not markup: read up to their closing tag.
bool IsRawTextTag(std::string_view name) { return IsOneOf(name, {"script", "style", "textarea", "title", "xmp"}); }

bool IsInlineCodeTag(std::string_view name) { return IsOneOf(name, {"code", "kbd", "samp", "tt", "var"}); }

int HeadingLevel(std::string_view name) {
    if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') return name[1] - '0';
    return 0;
}

// The attributes the reader looks at.
struct TagAttributes {
    std::string role;
    std::string lang;
    bool href = false;
    bool hidden = false;  // hidden, or aria-hidden="true"
};

struct Tag {
    std::string name;  // lower case
    bool closing = false;
    bool selfClosing = false;
    TagAttributes attributes;
    std::size_t end = 0;  // just after its ">"
};

bool IsNameChar(char c) { return c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '>' && c != '/'; }

// The tag whose "<" is at position at; its name is empty when none starts there.
Tag ReadTag(std::string_view page, std::size_t at) {
    Tag tag;
    std::size_t i = at + 1;
    if (i < page.size() && page[i] == '/') tag.closing = true, ++i;
    if (i >= page.size() || !std::isalpha(static_cast<unsigned char>(page[i]))) return tag;
    const std::size_t nameStart = i;
    while (i < page.size() && IsNameChar(page[i])) ++i;
    tag.name = AsciiLowerCase(page.substr(nameStart, i - nameStart));
    while (i < page.size() && page[i] != '>') {
        if (!IsNameChar(page[i])) {
            tag.selfClosing = page[i] == '/';
            ++i;
            continue;
        }
        const std::size_t attrStart = i;
        while (i < page.size() && IsNameChar(page[i]) && page[i] != '=') ++i;
        const std::string name = AsciiLowerCase(page.substr(attrStart, i - attrStart));
        std::string_view value;
        if (i < page.size() && page[i] == '=') {
            ++i;
            if (i < page.size() && (page[i] == '"' || page[i] == '\'')) {
                const std::size_t close = page.find(page[i], i + 1);
                const std::size_t stop = close == std::string_view::npos ? page.size() : close;
                value = page.substr(i + 1, stop - i - 1);
                i = stop == page.size() ? stop : stop + 1;
            } else {
                const std::size_t valueStart = i;
                while (i < page.size() && IsNameChar(page[i])) ++i;
                value = page.substr(valueStart, i - valueStart);
            }
        }
        tag.selfClosing = false;
        if (name == "role")
            tag.attributes.role = AsciiLowerCase(value);
        else if (name == "lang" || name == "xml:lang")
            tag.attributes.lang = std::string(value);
        else if (name == "href")
            tag.attributes.href = true;
        else if (name == "hidden")
            tag.attributes.hidden = true;
        else if (name == "aria-hidden")
            tag.attributes.hidden = EqualsNoCase(value, "true");
    }
    tag.end = std::min(i + 1, page.size());
    return tag;
}

// Page furniture and things that are not read as text: skipped with all
// they hold.
bool IsSkippedElement(const Tag& tag) {
    return tag.attributes.hidden ||
           IsOneOf(tag.name, {"nav", "header", "footer", "aside", "noscript", "template", "button", "select", "svg",
                              "math", "iframe", "object", "canvas", "audio", "video", "datalist"}) ||
           IsOneOf(tag.attributes.role,
                   {"navigation", "banner", "contentinfo", "complementary", "search", "menu", "menubar", "toolbar"});
}

bool IsMainElement(const Tag& tag) {
    return tag.name == "main" || tag.name == "article" || tag.attributes.role == "main";
}

// An element being passed through, counted by its own name so that the same
// element nested inside it does not end it early.
struct OpenRegion {
    std::string name;
    int depth = 0;

    bool open() const { return depth > 0; }
    void enter(const std::string& n) { name = n, depth = 1; }
    void onStart(const Tag& tag) {
        if (open() && tag.name == name) ++depth;
    }
    void onEnd(const Tag& tag) {
        if (open() && tag.name == name) --depth;
    }
};

// One character of page text: its code and the bytes that stand for it in
// the page's encoding.
struct TextChar {
    char32_t code = 0;
    std::size_t length = 1;  // bytes read from the page
    std::string_view bytes;  // the bytes to write
    std::array<char, 4> buffer{};
};

TextChar ReadTextChar(std::string_view page, std::size_t at, PageEncoding encoding) {
    TextChar c;
    if (page[at] == '&') {
        if (const DecodedEntity entity = EntityAt(page, at); entity.length > 0) {
            std::string encoded;
            AppendChar(encoded, entity.code, encoding);
            std::copy(encoded.begin(), encoded.end(), c.buffer.begin());
            c.code = entity.code;
            c.length = entity.length;
            c.bytes = std::string_view(c.buffer.data(), encoded.size());
            return c;
        }
    }
    const PageChar raw = CharAt(page, at, encoding);
    c.code = raw.code;
    c.length = raw.length;
    c.bytes = page.substr(at, raw.length);
    return c;
}

// Text with its spaces collapsed: a space only between two other characters.
class CollapsedText {
public:
    explicit CollapsedText(std::string& out) : out_(out) {}
    // Answers whether the character was written (spaces are held back).
    bool add(const TextChar& c, bool started) {
        if (IsSpace(c.code)) {
            pendingSpace_ = started;
            return false;
        }
        if (pendingSpace_) out_.push_back(' ');
        pendingSpace_ = false;
        out_.append(c.bytes);
        return true;
    }
    void reset() { pendingSpace_ = false; }

private:
    std::string& out_;
    bool pendingSpace_ = false;
};

// The whole number a block's text starts with (a line number may stand
// right against its line), when it starts with one.
std::optional<long> LeadingNumber(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    return value;
}

// Blocks numbered one after another (1, 2, 3, ...) are the lines of a
// listing, comments included, whatever elements hold them.
void MarkNumberedListings(ContentText& content) {
    constexpr std::size_t kShortestListing = 3;
    std::size_t runStart = 0;
    std::optional<long> previous;
    const auto closeRun = [&](std::size_t end) {
        if (end - runStart >= kShortestListing)
            for (std::size_t b = runStart; b < end; ++b) content.blocks[b].kind = BlockKind::Code;
    };
    for (std::size_t b = 0; b < content.blocks.size(); ++b) {
        const std::optional<long> number = LeadingNumber(content.blockText(content.blocks[b]));
        if (!(number && previous && *previous < std::numeric_limits<long>::max() && *number == *previous + 1)) {
            closeRun(b);
            runStart = b;
        }
        previous = number;
    }
    closeRun(content.blocks.size());
}

class ContentReader {
public:
    explicit ContentReader(std::string_view page) : page_(page), text_(content_.text) {
        content_.encoding = DetectPageEncoding(page);
        content_.text.reserve(page.size() / 2);
    }

    ContentText read() {
        for (std::size_t at = 0; at < page_.size();) at = page_[at] == '<' ? readMarkup(at) : readText(at);
        endBlock();
        keepMainContent();
        MarkNumberedListings(content_);
        return std::move(content_);
    }

private:
    std::size_t readText(std::size_t at) {
        const TextChar c = ReadTextChar(page_, at, content_.encoding);
        if (skipped_.open() || inHead_) return at + c.length;
        const bool started = blockOpen_;
        if (!started && IsSpace(c.code)) return at + c.length;
        if (!started) openBlock();
        if (text_.add(c, started) && IsLetter(c.code)) {
            ++current_.letters;
            if (inLink_) ++current_.linkLetters;
            if (inlineCode_ > 0) ++codeLetters_;
        }
        return at + c.length;
    }

    // A comment, a declaration or a tag; a "<" that starts none is text.
    std::size_t readMarkup(std::size_t at) {
        if (page_.compare(at, 4, "<!--") == 0) return PastEnd(page_.find("-->", at + 4), 3);
        if (at + 1 < page_.size() && (page_[at + 1] == '!' || page_[at + 1] == '?'))
            return PastEnd(page_.find('>', at), 1);
        const Tag tag = ReadTag(page_, at);
        if (tag.name.empty()) return readText(at);
        if (tag.closing) {
            onEnd(tag);
            return tag.end;
        }
        onStart(tag);
        if (IsRawTextTag(tag.name) && !tag.selfClosing) return readRawText(tag);
        return tag.end;
    }

    std::size_t PastEnd(std::size_t found, std::size_t length) const {
        return found == std::string_view::npos ? page_.size() : found + length;
    }

    // Script, style and the like are passed over; the first title is kept.
    std::size_t readRawText(const Tag& tag) {
        const std::size_t close = FindNoCase(page_, "</" + tag.name, tag.end);
        const std::size_t stop = close == std::string_view::npos ? page_.size() : close;
        if (tag.name == "title" && !titleRead_ && !skipped_.open()) {
            titleRead_ = true;
            CollapsedText title(content_.title);
            for (std::size_t at = tag.end; at < stop;) {
                const TextChar c = ReadTextChar(page_.substr(0, stop), at, content_.encoding);
                title.add(c, !content_.title.empty());
                at += c.length;
            }
        }
        if (stop == page_.size()) return stop;
        return PastEnd(page_.find('>', stop), 1);
    }

    void onStart(const Tag& tag) {
        if (skipped_.open()) {
            if (!IsVoidTag(tag.name) && !tag.selfClosing) skipped_.onStart(tag);
            return;
        }
        if (IsBlockTag(tag.name)) endBlock();
        if ((tag.name == "html" || tag.name == "body") && content_.lang.empty()) content_.lang = tag.attributes.lang;
        if (tag.name == "head") inHead_ = true;
        if (tag.name == "body") inHead_ = false;
        if (IsVoidTag(tag.name) || tag.selfClosing) return;
        if (IsSkippedElement(tag)) {
            skipped_.enter(tag.name);
            return;
        }
        if (main_.open())
            main_.onStart(tag);
        else if (IsMainElement(tag))
            main_.enter(tag.name), sawMain_ = true;
        if (tag.name == "pre" || tag.name == "listing") ++pre_;
        if (IsInlineCodeTag(tag.name)) ++inlineCode_;
        if (tag.name == "a" && tag.attributes.href) inLink_ = true;
        if (const int level = HeadingLevel(tag.name)) heading_ = level;
    }

    void onEnd(const Tag& tag) {
        if (skipped_.open()) {
            skipped_.onEnd(tag);
            return;
        }
        if (IsBlockTag(tag.name)) endBlock();
        if (tag.name == "head") inHead_ = false;
        main_.onEnd(tag);
        if ((tag.name == "pre" || tag.name == "listing") && pre_ > 0) --pre_;
        if (IsInlineCodeTag(tag.name) && inlineCode_ > 0) --inlineCode_;
        if (tag.name == "a") inLink_ = false;
        if (HeadingLevel(tag.name)) heading_ = 0;
    }

    void openBlock() {
        blockOpen_ = true;
        current_ = ContentBlock{};
        current_.start = content_.text.size();
        current_.level = heading_;
        current_.kind = heading_ > 0 ? BlockKind::Heading : pre_ > 0 ? BlockKind::Code : BlockKind::Prose;
        codeLetters_ = 0;
        currentInMain_ = main_.open();
    }

    void endBlock() {
        text_.reset();
        if (!blockOpen_) return;
        blockOpen_ = false;
        current_.length = content_.text.size() - current_.start;
        // A block all of whose letters are inline code is code too.
        if (current_.kind == BlockKind::Prose && current_.letters > 0 && codeLetters_ == current_.letters)
            current_.kind = BlockKind::Code;
        content_.blocks.push_back(current_);
        inMain_.push_back(currentInMain_);
    }

    // When the page marks its main content and that holds text, the rest
    // goes; otherwise the whole body stays.
    void keepMainContent() {
        if (!sawMain_ || std::find(inMain_.begin(), inMain_.end(), true) == inMain_.end()) return;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < content_.blocks.size(); ++i)
            if (inMain_[i]) content_.blocks[kept++] = content_.blocks[i];
        content_.blocks.resize(kept);
    }

    std::string_view page_;
    ContentText content_;
    CollapsedText text_;
    OpenRegion skipped_;
    OpenRegion main_;
    bool sawMain_ = false;
    bool inHead_ = false;
    bool titleRead_ = false;
    bool inLink_ = false;
    int pre_ = 0;
    int inlineCode_ = 0;
    int heading_ = 0;
    bool blockOpen_ = false;
    ContentBlock current_;
    std::size_t codeLetters_ = 0;
    bool currentInMain_ = false;
    std::vector<bool> inMain_;
};

}  // namespace

ContentText ExtractContentText(std::string_view page) { return ContentReader(page).read(); }

}  // namespace wk
