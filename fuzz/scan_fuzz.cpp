// The literal-form searches over any page, tag name, meta value and anchor.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "ground/text.h"
#include "markup/scan.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string name = in.ConsumeRandomLengthString(24);
    const std::string value = in.ConsumeRandomLengthString(64);
    const std::string anchor = in.ConsumeRandomLengthString(48);
    std::string page = in.ConsumeRemainingBytesAsString();

    ExtractTagContent(page, name);
    ReadMetaContent(page, name);
    FindLastNoCase(page, name);
    WriteMetaTag(page, name, value);
    const std::size_t before = page.size();
    // An insertion adds the block whole, and only once.
    if (InsertAtAnchor(page, anchor, IncludeDirective()) &&
        (page.size() != before + IncludeDirective().size() || InsertAtAnchor(page, anchor, IncludeDirective())))
        std::abort();
    return 0;
}
