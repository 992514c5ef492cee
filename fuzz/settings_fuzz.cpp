// Every settings file of any bytes at once (boilerplate.sgt, the option files,
// default.mnu, menu.ufm) read as the program starts, then what a commit and
// the site-wide filter make of them.
#include <fuzzer/FuzzedDataProvider.h>

#include "app/commit.h"
#include "app/startup.h"
#include "ground/file_system.h"
#include "ground/prompt.h"
#include "memory_files.h"
#include "site/site_filter.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string& folder = fuzz::SettingsFile::kFolder;
    fuzz::MemoryFiles files(folder);
    for (const char* name : {"boilerplate.sgt", "Options.abn", "anchor.sgt", "filter.sgt", "expert.sgt", "credits.sgt",
                             "tip.sgt", "proposals.sgt", "menu.ufm"})
        files.files[folder + name] = in.ConsumeRandomLengthString(512);
    const std::string fileName = in.ConsumeRandomLengthString(32);
    files.files[folder + "default.mnu"] = in.ConsumeRemainingBytesAsString();
    FileSystemOverride memory(files);

    ScriptedPrompt prompt;
    Workspace ws(folder, prompt);
    LoadSettings(ws);
    CommitSettingsOf(ws);
    const std::string pattern = CleanPattern(ws.options.filter);
    for (const SitePass pass : {SitePass::RemoveMenus, SitePass::Upgrade, SitePass::Links})
        IsSiteFile(fileName, pass, pattern);
    return 0;
}
