// Normalisation, the menu's removal and the .shtml name of any page and file name.
#include <fuzzer/FuzzedDataProvider.h>

#include "markup/menu_removal.h"
#include "markup/normalise.h"
#include "markup/page_name.h"
#include "markup/style_import.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string fileName = in.ConsumeRandomLengthString(32);
    const std::string page = in.ConsumeRemainingBytesAsString();

    ShtmlName(fileName);
    std::string text = NormalisePage(page);
    AddStyleImport(text);
    RemoveMenuFromPage(text);
    std::string raw = page;
    RemoveMenuFromPage(raw);
    return 0;
}
