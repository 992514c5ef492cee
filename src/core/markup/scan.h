#pragma once
// Literal-form searches that look into and rewrite a page's mark-up. None of
// them parses HTML: each finds a literal form (letter case ignored) and
// rebuilds the page string around it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// The fixed include directive that committed pages carry.
std::string_view IncludeDirective();

// The text inside the first element named tag ("body", "head", ...), from the
// end of its opening tag (bare "<tag>" or spaced "<tag ...>") to the first
// following "</tag>"; empty when either is missing.
std::string ExtractTagContent(std::string_view page, std::string_view tag);
// Where that text lies: from its first byte to the "<" of the closing tag;
// nothing when either tag is missing.
struct TagContent {
    std::size_t start = 0;
    std::size_t end = 0;
    std::string_view in(std::string_view page) const { return page.substr(start, end - start); }
};
std::optional<TagContent> FindTagContent(std::string_view page, std::string_view tag);

// The content value of `<meta name="NAME" content="VALUE">`; empty when the
// tag is absent. A value without a closing double quote ends at the tag's ">".
std::string ReadMetaContent(std::string_view page, std::string_view name);

// Sets the meta tag to value, in place: the existing value replaced, or a new
// tag added after the last `<meta http-equiv=` tag or after the first bare
// `<head>`. Double quotes in value are written as "&quot;".
void WriteMetaTag(std::string& page, std::string_view name, std::string_view value);

// Writes meta tags one after another as WriteMetaTag does, finding the page's
// "<meta" tags once for all of them and following its own edits, so a run of
// tags the page lacks costs one pass over the page, not one each. The page
// must change through the writer alone while it is in use.
class MetaTagWriter {
public:
    explicit MetaTagWriter(std::string& page);
    void write(std::string_view name, std::string_view value);

private:
    // The position of the first or last "<meta" tag that begins with start; npos when none does.
    std::size_t first(std::string_view start) const;
    std::size_t last(std::string_view start) const;
    // Replaces length bytes at `at` by text, keeping the positions right.
    void replace(std::size_t at, std::size_t length, std::string_view text);
    // Notes the "<meta" tags that begin at positions from up to before `to`.
    void add(std::size_t from, std::size_t to);

    std::string& page_;
    bool indexed_ = false;  // the page is searched at the first write
    std::vector<std::size_t> metas_;  // where the page's "<meta" tags begin, in order
};

// Inserts block, in place, at the element that anchor names (after its ">",
// or before its closing tag for an anchor such as "</head>"). Nothing changes
// when the page already holds the include directive or no element matches;
// false then.
bool InsertAtAnchor(std::string& page, std::string_view anchor, std::string_view block);

}  // namespace wk
