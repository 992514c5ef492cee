#pragma once
// A file system that answers reads from memory, for targets whose routines
// read files: the disk is never touched, and a read outside the one folder
// the routine may read is a finding.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "ground/file_system.h"

namespace wk::fuzz {

class MemoryFiles : public DiskFileSystem {
public:
    explicit MemoryFiles(std::string folder) : folder_(std::move(folder)) {}

    std::map<std::string, std::string> files;  // by path

    std::optional<std::string> read(const std::string& path) override {
        check(path);
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    bool canRead(const std::string& path) override { return read(path).has_value(); }
    bool isFile(const std::string& path) override { return read(path).has_value(); }
    std::optional<std::uint64_t> size(const std::string& path) override {
        const std::optional<std::string> text = read(path);
        if (!text) return std::nullopt;
        return text->size();
    }
    bool isFolder(const std::string& path) override { return path == folder_; }
    std::optional<std::string> realPath(const std::string& path) override {
        if (path == folder_) return path;
        return read(path).has_value() ? std::optional<std::string>(path) : std::nullopt;
    }

private:
    std::string folder_;

    void check(const std::string& path) const {
        if (!path.starts_with(folder_) || path.find("/../") != std::string::npos || path.ends_with("/.."))
            std::abort();
    }
};

// A settings folder in memory whose one file holds the fuzzer's bytes; the
// program reads through it while it lives.
struct SettingsFile {
    SettingsFile(const std::string& name, const std::uint8_t* data, std::size_t size) : files(kFolder) {
        files.files[kFolder + name] = std::string(reinterpret_cast<const char*>(data), size);
    }
    static inline const std::string kFolder = "/fuzz-settings/";
    MemoryFiles files;
    FileSystemOverride use{files};
};

}  // namespace wk::fuzz
