#include "app/install_layout.h"

#include "ground/file_routines.h"
#include "ground/file_system.h"

namespace wk {

std::string InstalledDataFolder(const std::string& executableFolder) {
    std::string folder = NormaliseFolder(executableFolder);
    if (folder.size() < 2) return {};  // no folder, or the root: nothing above it
    folder.pop_back();
    const std::string prefix = FolderOfPath(folder);
    if (prefix.empty()) return {};
    const std::string data = prefix + "share/webkestrane/";
    return ActiveFileSystem().isFolder(data + "help") ? data : std::string{};
}

std::string HelpFolderOf(const std::string& executableFolder) {
    const std::string installed = InstalledDataFolder(executableFolder);
    return (installed.empty() ? NormaliseFolder(executableFolder) : installed) + "help/";
}

}  // namespace wk
