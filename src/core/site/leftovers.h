#pragma once
// What a run killed half-way leaves behind: temporary files beside the site's
// files (NAME.wk-tmp-XXXXXX, see kTemporaryMark) and a backup never finished
// beside the site. Every site-wide operation removes them first, so none is
// backed up, uploaded or taken for a backup.
#include <cstddef>
#include <string>

namespace wk {

// The folder a backup is made in before it takes its name, so that one cut
// short never passes for a backup: /sites/shop200512311259.baq/ is built as
// /sites/shop200512311259.baq.wk-tmp-partial/.
std::string PartialBackupFolder(const std::string& backupFolder);

// Removes the temporary files under the site root and the partial backups
// beside it; how many were removed.
std::size_t RemoveLeftovers(const std::string& siteRoot);

}  // namespace wk
