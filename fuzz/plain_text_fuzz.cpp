// The plain text the classic generators read, and the content the improved ones read.
#include <cstdint>
#include <string_view>

#include "meta/content_text.h"
#include "meta/plain_text.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    ExtractPlainText(page);
    const ContentText content = ExtractContentText(page);
    // Every block lies inside the text it indexes.
    for (const ContentBlock& block : content.blocks) content.blockText(block);
    return 0;
}
