#pragma once
// Where the program's own files lie: beside it in a build folder, or under
// its prefix once installed (PREFIX/bin/webkestrane with its help in
// PREFIX/share/webkestrane/help, as `cmake --install` and the package put them).
#include <string>

namespace wk {

// PREFIX/share/webkestrane/ when the program in executableFolder is installed
// so, else empty. Found from the program's own folder, so an unpacked package
// (dpkg -x) works wherever it lies.
std::string InstalledDataFolder(const std::string& executableFolder);

// The help pages: the installed data folder's help/, else help/ beside the program.
std::string HelpFolderOf(const std::string& executableFolder);

}  // namespace wk
