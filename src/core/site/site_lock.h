#pragma once
// The claim a site-wide change holds on its site, so that two programs (a
// second window, or the command line beside the desktop program) never change
// one site at once. The lock file lies beside the site folder, never in it, so
// it is neither uploaded nor backed up: /sites/shop/ is locked by
// /sites/shop.wk-lock, which names the process that holds it. A lock file left
// by a run that was killed claims nothing, and the next run takes it over.
#include <memory>
#include <string>
#include <string_view>

#include "ground/file_system.h"

namespace wk {

inline constexpr std::string_view kLockMark = ".wk-lock";

// The lock file of the site root; empty for a root without a parent folder.
std::string SiteLockFile(const std::string& siteRoot);

// Claims the site for what ("Site Upgrade"), naming it and this process in the
// lock file, until the answer is destroyed; nothing, with refusal saying why
// (another program holds the site, or the lock file cannot be made).
std::unique_ptr<FileLock> LockSite(const std::string& siteRoot, std::string_view what, std::string& refusal);

}  // namespace wk
