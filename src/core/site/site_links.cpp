#include "site/site_links.h"

#include <algorithm>
#include <cstring>

#include "ground/text.h"

namespace wk {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The bytes that end a run: the blanks and some marks. Tables, as every byte
// of every tag name and attribute is looked up in one.
constexpr ByteSet kTagNameEnd = BytesOf(" \t\n\r\f/>");
constexpr ByteSet kAttributeNameEnd = BytesOf(" \t\n\r\f/>=");
constexpr ByteSet kBareValueEnd = BytesOf(" \t\n\r\f>");

// Walks a page once, front to back, as a browser's tokenizer reads tags.
class LinkScan {
public:
    explicit LinkScan(std::string_view page) : page_(page) {}

    std::vector<PageLink> run() {
        while (at_ < page_.size()) {
            const void* open = std::memchr(page_.data() + at_, '<', page_.size() - at_);
            if (!open) break;
            at_ = static_cast<std::size_t>(static_cast<const char*>(open) - page_.data());
            if (page_.substr(at_, 4) == "<!--") skipPast("-->", at_ + 4);
            else if (at_ + 1 < page_.size() && IsLetter(page_[at_ + 1])) startTag();
            else ++at_;
        }
        return std::move(links_);
    }

private:
    std::string_view page_;
    std::size_t at_ = 0;
    std::vector<PageLink> links_;
    std::size_t countedTo_ = 0;
    int line_ = 1;

    void skipPast(std::string_view end, std::size_t from) {
        const std::size_t found = FindNoCase(page_, end, from);
        at_ = found == std::string_view::npos ? page_.size() : found + end.size();
    }
    void skipBlanks() {
        while (at_ < page_.size() && IsBlank(page_[at_])) ++at_;
    }
    std::string_view runUntil(const ByteSet& stops) {
        const std::size_t start = at_;
        while (at_ < page_.size() && !IsIn(stops, page_[at_])) ++at_;
        return page_.substr(start, at_ - start);
    }
    // Line breaks are counted a stretch at a time, from the last link on:
    // every LF, and every CR not followed by one.
    int lineAt(std::size_t offset) {
        const std::string_view stretch = page_.substr(countedTo_, offset - countedTo_);
        line_ += static_cast<int>(std::count(stretch.begin(), stretch.end(), '\n'));
        for (std::size_t cr = stretch.find('\r'); cr != std::string_view::npos; cr = stretch.find('\r', cr + 1))
            if (countedTo_ + cr + 1 == page_.size() || page_[countedTo_ + cr + 1] != '\n') ++line_;
        countedTo_ = offset;
        return line_;
    }

    void startTag() {
        ++at_;
        const std::string_view name = runUntil(kTagNameEnd);
        while (at_ < page_.size()) {
            while (at_ < page_.size() && (IsBlank(page_[at_]) || page_[at_] == '/')) ++at_;
            if (at_ >= page_.size()) break;
            if (page_[at_] == '>') {
                ++at_;
                break;
            }
            attribute();
        }
        // Their content is script or style sheet, whatever it looks like.
        if (EqualsNoCase(name, "script")) skipPast("</script", at_);
        else if (EqualsNoCase(name, "style")) skipPast("</style", at_);
    }

    void attribute() {
        const std::size_t nameStart = at_++;  // a first "=" belongs to the name
        runUntil(kAttributeNameEnd);
        const std::string_view name = page_.substr(nameStart, at_ - nameStart);
        skipBlanks();
        if (at_ >= page_.size() || page_[at_] != '=') return;
        ++at_;
        skipBlanks();
        if (at_ >= page_.size()) return;
        std::size_t start = at_;
        std::size_t end;
        if (page_[at_] == '"' || page_[at_] == '\'') {
            start = at_ + 1;
            end = page_.find(page_[at_], start);
            if (end == std::string_view::npos) end = page_.size();
            at_ = end == page_.size() ? end : end + 1;
        } else {
            runUntil(kBareValueEnd);
            end = at_;
        }
        if (EqualsNoCase(name, "href") || EqualsNoCase(name, "src"))
            links_.push_back({start, end - start, lineAt(start)});
    }
};

}  // namespace

std::vector<PageLink> FindPageLinks(std::string_view page) { return LinkScan(page).run(); }

}  // namespace wk
