// The preview's expansion of a page's style import and includes over a site
// held in memory: the files it names, each possibly including others.
#include <fuzzer/FuzzedDataProvider.h>

#include "ground/file_system.h"
#include "memory_files.h"
#include "preview/preview_build.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const PreviewSite site{"/fuzz-site/", in.ConsumeRandomLengthString(24)};
    fuzz::MemoryFiles files(site.root);
    // The names the pages' directives usually give, then any.
    const char* const usual[] = {"_/0.css", "_/_Tollivance_Web_Kestrane_Menu_System.mnu", "a.shtml", "b/c.mnu"};
    for (const char* name : usual) files.files[site.root + name] = in.ConsumeRandomLengthString(256);
    files.files[site.root + in.ConsumeRandomLengthString(24)] = in.ConsumeRandomLengthString(256);
    const std::string page = in.ConsumeRemainingBytesAsString();

    FileSystemOverride memory(files);
    BuildPreview(page, site);
    return 0;
}
