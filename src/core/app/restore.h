#pragma once
// Restoring the site from one of the backups beside it. The restore itself is
// a site operation (kRestoreSite in site_operation.h), backed up first like
// every other, so a restore can be undone by restoring again.
#include <optional>
#include <string>
#include <vector>

#include "app/workspace.h"
#include "site/backup.h"

namespace wk {

// How a restore notes a file the backup does not hold, which it removes.
inline constexpr const char* kRemovedNote = "removed";

// The backups beside the workspace's site, newest first.
std::vector<SiteBackup> SiteBackups(const Workspace& ws);
// The backup of the site that a folder name ("shop200512311259.baq") or a
// path names; nothing when it names none of them.
std::optional<SiteBackup> FindSiteBackup(const Workspace& ws, const std::string& nameOrPath);
// "Restore Site?", asked by the desktop program before a restore; true for Yes.
bool ConfirmRestore(Workspace& ws, const SiteBackup& backup);

}  // namespace wk
