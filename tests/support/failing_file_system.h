#pragma once
// A disk file system that refuses the writes a test names, to prove that a
// failed write is reported and leaves the files as they were.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ground/file_system.h"

namespace wk::test {

class FailingFileSystem : public DiskFileSystem {
public:
    std::set<std::string> failingNames;     // file names (not paths) whose writes and copies fail
    std::set<std::string> unreadableNames;  // file names whose reads fail
    bool failEveryWrite = false;
    std::string failure = "No space left on device";  // what a refused write or copy says
    // Folder names, and how many times each is listed before it vanishes.
    std::map<std::string, int> listsBeforeVanishing;
    bool failFolderCreation = false;
    int writes = 0;

    bool writeAtomic(const std::string& path, const std::string& bytes, const std::string& likeFile,
                     std::string& error) override {
        ++writes;
        if (Fails(path, error)) return false;
        return DiskFileSystem::writeAtomic(path, bytes, likeFile, error);
    }
    bool writeTemporary(const std::string& path, const std::string& bytes, const std::string& likeFile,
                        std::string& temporary, std::string& error) override {
        ++writes;
        if (Fails(path, error)) return false;
        return DiskFileSystem::writeTemporary(path, bytes, likeFile, temporary, error);
    }
    bool copyFile(const std::string& from, const std::string& to, std::string& error) override {
        if (Fails(to, error)) return false;
        return DiskFileSystem::copyFile(from, to, error);
    }
    bool copyToTemporary(const std::string& from, const std::string& path, std::string& temporary,
                         std::string& error) override {
        ++writes;
        if (Fails(path, error)) return false;
        return DiskFileSystem::copyToTemporary(from, path, temporary, error);
    }
    std::optional<std::string> read(const std::string& path) override {
        if (unreadableNames.count(NameOf(path))) return std::nullopt;
        return DiskFileSystem::read(path);
    }
    bool append(const std::string& path, const std::string& bytes) override {
        if (failEveryWrite) return false;
        return DiskFileSystem::append(path, bytes);
    }
    bool list(const std::string& folder, std::vector<FolderEntry>& entries, std::string& error) override {
        const auto vanishing = listsBeforeVanishing.find(NameOf(folder.substr(0, folder.size() - 1)));
        if (vanishing != listsBeforeVanishing.end() && vanishing->second-- <= 0) {
            error = "Cannot list the folder " + folder + ": No such file or directory";
            return false;
        }
        return DiskFileSystem::list(folder, entries, error);
    }
    bool createFolder(const std::string& path) override {
        if (failFolderCreation) return false;
        return DiskFileSystem::createFolder(path);
    }

private:
    bool Fails(const std::string& path, std::string& error) const {
        if (!failEveryWrite && !failingNames.count(NameOf(path))) return false;
        error = "Cannot write " + path + ": " + failure;
        return true;
    }
    static std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }
};

}  // namespace wk::test
