#pragma once
// The one place where the program touches the disk. Everything else goes
// through ActiveFileSystem(), so tests can swap in a file system that fails.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wk {

// Marks the temporary files the program writes beside their targets
// (NAME.wk-tmp-XXXXXX): what a run killed half-way leaves is known by it.
inline constexpr std::string_view kTemporaryMark = ".wk-tmp-";

struct FolderEntry {
    // A link to a folder is Other, never Folder, so a walk cannot follow it
    // out of the site or round a loop; so are links that lead nowhere,
    // devices and pipes. A link to a file is a File.
    enum class Kind { File, Folder, Other };
    std::string name;
    Kind kind = Kind::File;
    std::uint64_t size = 0;  // files only
    bool link = false;       // a symbolic link (to a file, when its kind is File)
};

// An exclusive claim on a lock file, given up when it is destroyed (the file
// is removed then) or when the process ends, however it ends: the system
// lets go of it, so a lock file a crashed run left behind claims nothing.
class FileLock {
public:
    virtual ~FileLock() = default;
};

struct LockAttempt {
    std::unique_ptr<FileLock> lock;  // none: another holds it, or it cannot be made
    std::string holder;              // then: what the holder wrote into it
    std::string error;               // or why the lock file cannot be made
};

// The site-wide passes read pages on every core: read may be called from
// several threads at once, while every other call comes from one.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The whole file, or nothing when it cannot be opened for reading.
    virtual std::optional<std::string> read(const std::string& path) = 0;
    // Whether the file can be opened for reading, without reading it.
    virtual bool canRead(const std::string& path) = 0;
    // Replaces the file atomically: a temporary file in the same folder is
    // written, flushed and renamed over the target. On failure the target is
    // untouched and error says what went wrong. The file takes the permission
    // bits, and the group where the user may set it, of likeFile when that
    // exists (a page saved under a new name keeps its old file's), else the
    // usual ones of a new file.
    virtual bool writeAtomic(const std::string& path, const std::string& bytes, const std::string& likeFile,
                             std::string& error) = 0;
    // The first half of writeAtomic, for writes made durable together: bytes
    // go to a new temporary file beside path (named in temporary) with
    // likeFile's attributes, not yet flushed; flush, then rename, complete it.
    virtual bool writeTemporary(const std::string& path, const std::string& bytes, const std::string& likeFile,
                                std::string& temporary, std::string& error) = 0;
    // Moves a file to another name, replacing a file there; on failure both stay as they were.
    virtual bool rename(const std::string& from, const std::string& to, std::string& error) = 0;
    virtual bool append(const std::string& path, const std::string& bytes) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Removes an empty folder.
    virtual bool removeFolder(const std::string& path) = 0;
    virtual bool createFolder(const std::string& path) = 0;
    virtual bool isFolder(const std::string& path) = 0;
    virtual bool isFile(const std::string& path) = 0;
    // Both paths name one file (a second name, or letter case on a disk that ignores it).
    virtual bool sameFile(const std::string& a, const std::string& b) = 0;
    // Copies the file to a new file (never over one), keeping its permission
    // bits, without holding it in memory, and checks the copy has its size.
    // Not flushed: flush does that once for a whole backup, whose folder is
    // named a backup only then.
    virtual bool copyFile(const std::string& from, const std::string& to, std::string& error) = 0;
    // The first half of a copy made durable together with others, as
    // writeTemporary is of a write: from's bytes go to a new temporary file
    // beside path (named in temporary) with from's permission bits.
    virtual bool copyToTemporary(const std::string& from, const std::string& path, std::string& temporary,
                                 std::string& error) = 0;
    // Writes everything written so far to the disks that hold the paths, once
    // for each disk.
    virtual bool flush(const std::vector<std::string>& paths, std::string& error) = 0;
    // The folder's entries in the order the file system gives them; false,
    // with error naming the folder, when it cannot be listed.
    virtual bool list(const std::string& folder, std::vector<FolderEntry>& entries, std::string& error) = 0;
    // The path with every link and "." or ".." step resolved; nothing when it
    // leads nowhere (a missing file, a link loop).
    virtual std::optional<std::string> realPath(const std::string& path) = 0;
    // Claims the lock file at path and writes note into it; see FileLock.
    virtual LockAttempt lock(const std::string& path, const std::string& note) = 0;
};

// The real disk.
class DiskFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override;
    bool canRead(const std::string& path) override;
    bool writeAtomic(const std::string& path, const std::string& bytes, const std::string& likeFile,
                     std::string& error) override;
    bool writeTemporary(const std::string& path, const std::string& bytes, const std::string& likeFile,
                        std::string& temporary, std::string& error) override;
    bool rename(const std::string& from, const std::string& to, std::string& error) override;
    bool append(const std::string& path, const std::string& bytes) override;
    bool remove(const std::string& path) override;
    bool removeFolder(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    bool isFolder(const std::string& path) override;
    bool isFile(const std::string& path) override;
    bool sameFile(const std::string& a, const std::string& b) override;
    bool copyFile(const std::string& from, const std::string& to, std::string& error) override;
    bool copyToTemporary(const std::string& from, const std::string& path, std::string& temporary,
                         std::string& error) override;
    bool flush(const std::vector<std::string>& paths, std::string& error) override;
    bool list(const std::string& folder, std::vector<FolderEntry>& entries, std::string& error) override;
    std::optional<std::string> realPath(const std::string& path) override;
    LockAttempt lock(const std::string& path, const std::string& note) override;
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
