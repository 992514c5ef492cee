#pragma once
// The walk every site-wide pass makes over the site's folder tree.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "site/site_filter.h"

namespace wk {

// A file the walk hands to a pass.
struct SiteFile {
    std::string folder;  // ends with the separator
    std::string name;
    std::uint64_t size = 0;
    std::string path() const { return folder + name; }
};

// What a pass does with one selected file: nothing when it went on, else why
// the walk must stop (naming the file).
using PassAction = std::function<std::string(const SiteFile&)>;

// Hands every file under folder that IsSiteFile selects for the pass to
// action, depth first: a folder's own files, in the order the file system
// lists them, before any of its subfolders. Links to folders are not
// followed, so a walk neither loops nor leaves the tree; links to files
// outside the folder, links that lead nowhere, devices and pipes are passed
// over. Answers nothing when the whole
// tree was walked, else why it stopped: a folder that cannot be listed, or
// what the action said.
std::string WalkSiteFolder(const std::string& folder, SitePass pass, std::string_view pattern,
                           const PassAction& action);

// The files that walk would hand to the pass, in its order, listed before
// any is handled; why the walk stopped, or nothing.
std::string ListSiteFolder(const std::string& folder, SitePass pass, std::string_view pattern,
                           std::vector<SiteFile>& files);
// Their sizes, in the same order.
std::vector<std::uint64_t> SizesOf(const std::vector<SiteFile>& files);

}  // namespace wk
