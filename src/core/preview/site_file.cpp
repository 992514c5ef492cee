#include "preview/site_file.h"

#include <filesystem>

#include "ground/file_routines.h"
#include "ground/file_system.h"

namespace wk {
namespace {

namespace fs = std::filesystem;

// The full path of ref below root, or empty when it leads elsewhere. Steps are
// resolved by name, as the server resolves them in the address.
std::string PathBelowRoot(const std::string& siteRoot, std::string_view ref) {
    const std::string root = NormaliseFolder(siteRoot);
    if (root.empty() || ref.find('\0') != std::string_view::npos) return {};
    if (ref.starts_with(kSeparator)) ref.remove_prefix(1);
    const fs::path full = fs::path(root + std::string(ref)).lexically_normal();
    const fs::path inside = full.lexically_relative(fs::path(root).lexically_normal());
    if (inside.empty() || *inside.begin() == "..") return {};
    return full.generic_string();
}

}  // namespace

SiteFile ResolveInclude(const std::string& siteRoot, std::string_view ref) {
    SiteFile file;
    file.path = PathBelowRoot(siteRoot, ref);
    if (file.refused()) return file;
    FileSystem& fs = ActiveFileSystem();
    // A link in the site may lead out of it: its file is refused unread.
    if (fs.realPath(file.path) && !LiesInside(file.path, siteRoot)) return {};
    file.text = fs.read(file.path).value_or(std::string{});
    return file;
}

SiteFile ResolveStyleImport(const std::string& siteRoot, std::string_view ref) {
    // ../../_/0.css from two folders down names the root's own _/0.css.
    while (ref.find("../") != std::string_view::npos) ref.remove_prefix(3);
    return ResolveInclude(siteRoot, ref);
}

}  // namespace wk
