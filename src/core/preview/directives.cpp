#include "preview/directives.h"

#include "ground/text.h"

namespace wk {
namespace {

constexpr std::string_view kImportOpen = "<!--@import";
constexpr std::size_t kImportRef = 13;  // the reference starts after `<!--@import "`
constexpr std::string_view kImportClose = "\";-->";
constexpr std::string_view kIncludeOpen = "<!--#include virtual=";
constexpr std::size_t kIncludeRef = 22;  // the reference starts after the opening quote
constexpr std::size_t kIncludeRefClose = 4;  // the quote and "-->" before the end marker
constexpr std::string_view kIncludeEnd = "<!--/#include-->";

// The closing found belongs to the directive only when no quote comes before
// it: otherwise the directive's own end is missing, and the closing found is
// that of a later one.
void Close(Directive& d, std::string_view page, std::size_t refStart, std::size_t refEnd, std::size_t end) {
    const std::string_view ref = page.substr(refStart, refEnd - refStart);
    if (ref.find('"') != std::string_view::npos) return;
    d.ref = ref;
    d.end = end;
}

}  // namespace

Directive FindStyleImport(std::string_view page) {
    Directive d;
    d.begin = FindNoCase(page, kImportOpen);
    if (!d.found()) return d;
    const std::size_t close = FindNoCase(page, kImportClose, d.begin + kImportRef);
    if (close != std::string_view::npos) Close(d, page, d.begin + kImportRef, close, close + kImportClose.size());
    return d;
}

Directive FindInclude(std::string_view page, std::size_t from) {
    Directive d;
    d.begin = FindNoCase(page, kIncludeOpen, from);
    if (!d.found()) return d;
    // The end marker is looked for past the shortest directive, an empty
    // reference, so that it can never lie inside the reference.
    const std::size_t marker = FindNoCase(page, kIncludeEnd, d.begin + kIncludeRef + kIncludeRefClose);
    if (marker != std::string_view::npos)
        Close(d, page, d.begin + kIncludeRef, marker - kIncludeRefClose, marker + kIncludeEnd.size());
    return d;
}

}  // namespace wk
