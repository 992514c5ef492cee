// menu.ufm of any bytes: loaded over the defaults, and the style sheet built from it.
#include <cstdint>
#include <string>

#include "memory_files.h"
#include "style/style_file.h"
#include "style/style_sheet.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::SettingsFile settings(kStyleFile, data, size);

    StyleSet style;
    LoadStyle(settings.kFolder, style);
    BuildStyleSheet(style);
    StyleFileText(style);
    return 0;
}
