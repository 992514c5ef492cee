// default.mnu of any bytes: loaded, written back, loaded again, and its capsule built.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "memory_files.h"
#include "menu/capsule.h"
#include "menu/menu_file.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::SettingsFile settings(kMenuFile, data, size);
    const std::string& folder = settings.kFolder;

    MenuTree tree;
    LoadMenuTree(folder, tree);
    BuildMenuCapsule(tree, "");
    // What the program writes back reads as the same tree.
    const std::string text = MenuFileText(tree);
    settings.files.files[folder + kMenuFile] = text + kLineEnd;
    MenuTree again;
    LoadMenuTree(folder, again);
    if (MenuFileText(again) != text) std::abort();
    return 0;
}
