#include "site/site_lock.h"

#include <unistd.h>

#include <vector>

#include "ground/file_routines.h"

namespace wk {

std::string SiteLockFile(const std::string& siteRoot) {
    std::string root = NormaliseFolder(siteRoot);
    if (!root.empty()) root.pop_back();
    if (root.empty() || FileNameOfPath(root).empty()) return {};
    return root + std::string(kLockMark);
}

std::unique_ptr<FileLock> LockSite(const std::string& siteRoot, std::string_view what, std::string& refusal) {
    const std::string file = SiteLockFile(siteRoot);
    if (file.empty()) {
        refusal = "The site folder " + siteRoot + " has no parent folder to hold its lock file";
        return nullptr;
    }
    LockAttempt attempt =
        ActiveFileSystem().lock(file, std::to_string(::getpid()) + kLineEnd + std::string(what) + kLineEnd);
    if (attempt.lock) return std::move(attempt.lock);
    if (!attempt.error.empty()) {
        refusal = attempt.error;
        return nullptr;
    }
    // The holder may not have written its note yet.
    std::vector<std::string> note = SplitLines(attempt.holder);
    note.resize(2);
    const std::string holder = note[0].empty() ? "another process" : "process " + note[0];
    refusal = "The site folder " + NormaliseFolder(siteRoot) + " is in use by another Web Kestrane (" + holder +
              (note[1].empty() ? "" : ", " + note[1]) + "); try again when it has finished. Its lock file is " + file;
    return nullptr;
}

}  // namespace wk
