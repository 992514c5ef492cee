#pragma once
// A disk file system that refuses the writes a test names, to prove that a
// failed write is reported and leaves the files as they were.
#include <set>
#include <string>

#include "ground/file_system.h"

namespace wk::test {

class FailingFileSystem : public DiskFileSystem {
public:
    std::set<std::string> failingNames;  // file names (not paths) whose writes fail
    bool failEveryWrite = false;
    bool failFolderCreation = false;
    int writes = 0;

    bool writeAtomic(const std::string& path, const std::string& bytes, std::string& error) override {
        ++writes;
        if (failEveryWrite || failingNames.count(NameOf(path))) {
            error = "Cannot write " + path + ": No space left on device";
            return false;
        }
        return DiskFileSystem::writeAtomic(path, bytes, error);
    }
    bool append(const std::string& path, const std::string& bytes) override {
        if (failEveryWrite) return false;
        return DiskFileSystem::append(path, bytes);
    }
    bool createFolder(const std::string& path) override {
        if (failFolderCreation) return false;
        return DiskFileSystem::createFolder(path);
    }

private:
    static std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }
};

}  // namespace wk::test
