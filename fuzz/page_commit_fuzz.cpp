// The commit of a page held in memory, with any options, anchor and entries.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "ground/text.h"
#include "markup/page_commit.h"
#include "markup/scan.h"
#include "markup/style_import.h"

using namespace wk;

namespace {

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = FindNoCase(text, part); at != std::string_view::npos; at = FindNoCase(text, part, at + 1))
        ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CommitSettings settings;
    for (bool& on : settings.options) on = in.ConsumeBool();
    settings.anchor = in.ConsumeRandomLengthString(32);
    settings.organisation = in.ConsumeRandomLengthString(32);
    settings.keywords = in.ConsumeRandomLengthString(64);
    settings.description = in.ConsumeRandomLengthString(64);
    settings.category = in.ConsumeRandomLengthString(16);
    const std::string fileName = in.ConsumeRandomLengthString(24);
    const std::string page = in.ConsumeRemainingBytesAsString();

    const CommittedPage committed = CommitPageText(page, fileName, settings);
    // Committed again and again (an upgrade repeated), a page does not gain
    // includes or style imports without end. A broken page may gain one late
    // (the closing tags one commit adds can mend its head for the next), so
    // the test starts from the fourth commit.
    CommittedPage again = committed;
    for (int commit = 0; commit < 3; ++commit) again = CommitPageText(again.text, again.name, settings);
    const std::string next = CommitPageText(again.text, again.name, settings).text;
    for (const std::string_view menu : {IncludeDirective(), kStyleImport})
        if (Count(next, menu) != Count(again.text, menu)) std::abort();
    return 0;
}
