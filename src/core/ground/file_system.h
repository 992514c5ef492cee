#pragma once
// The one place where the program touches the disk. Everything else goes
// through ActiveFileSystem(), so tests can swap in a file system that fails.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wk {

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    std::uint64_t size = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The whole file, or nothing when it cannot be opened for reading.
    virtual std::optional<std::string> read(const std::string& path) = 0;
    // Whether the file can be opened for reading, without reading it.
    virtual bool canRead(const std::string& path) = 0;
    // Replaces the file atomically: a temporary file in the same folder is
    // written, flushed and renamed over the target. On failure the target is
    // untouched and error says what went wrong.
    virtual bool writeAtomic(const std::string& path, const std::string& bytes, std::string& error) = 0;
    virtual bool append(const std::string& path, const std::string& bytes) = 0;
    virtual bool remove(const std::string& path) = 0;
    virtual bool createFolder(const std::string& path) = 0;
    virtual bool isFolder(const std::string& path) = 0;
    virtual bool isFile(const std::string& path) = 0;
    virtual bool copyFile(const std::string& from, const std::string& to, std::string& error) = 0;
    virtual std::vector<FolderEntry> list(const std::string& folder) = 0;
};

// The real disk.
class DiskFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override;
    bool canRead(const std::string& path) override;
    bool writeAtomic(const std::string& path, const std::string& bytes, std::string& error) override;
    bool append(const std::string& path, const std::string& bytes) override;
    bool remove(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    bool isFolder(const std::string& path) override;
    bool isFile(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, std::string& error) override;
    std::vector<FolderEntry> list(const std::string& folder) override;
};

FileSystem& ActiveFileSystem();

// Routes every file routine through another file system while it lives.
class FileSystemOverride {
public:
    explicit FileSystemOverride(FileSystem& replacement);
    ~FileSystemOverride();
    FileSystemOverride(const FileSystemOverride&) = delete;
    FileSystemOverride& operator=(const FileSystemOverride&) = delete;

private:
    FileSystem* previous_;
};

}  // namespace wk
