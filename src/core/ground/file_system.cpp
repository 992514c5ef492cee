#include "ground/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace wk {
namespace {

namespace fs = std::filesystem;

FileSystem* g_active = nullptr;

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permission bits and group of the file like.
void TakeModeAndGroup(int fd, const struct stat& like) {
    ::fchmod(fd, like.st_mode & 07777);
    // Only a group the user belongs to can be set; otherwise the new file keeps its own.
    const int grouped = ::fchown(fd, static_cast<uid_t>(-1), like.st_gid);
    static_cast<void>(grouped);
}

// The permission bits (and group) a replacing file takes: likeFile's when it
// exists, else those of a new file under the umask.
void TakeAttributes(int fd, const std::string& likeFile) {
    struct stat st {};
    if (!likeFile.empty() && ::stat(likeFile.c_str(), &st) == 0) {
        TakeModeAndGroup(fd, st);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

enum class Flush { Now, Later };

// Fills a new temporary file beside path (named in temporary) and gives it
// likeFile's attributes; fill answers why it failed, or nothing. On failure
// the temporary file is gone.
template <typename Fill>
bool FillTemporary(const std::string& path, const std::string& likeFile, Flush flush, std::string& temporary,
                   std::string& error, Fill fill) {
    temporary = path + std::string(kTemporaryMark) + "XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = SystemError("Cannot create a temporary file beside", path);
        return false;
    }
    TakeAttributes(fd, likeFile);
    std::string failed = fill(fd);
    if (failed.empty() && flush == Flush::Now && ::fsync(fd) != 0) failed = SystemError("Cannot write", path);
    if (::close(fd) != 0 && failed.empty()) failed = SystemError("Cannot write", path);
    if (failed.empty()) return true;
    error = failed;
    ::unlink(temporary.c_str());
    return false;
}

// A temporary file filled, then renamed over path: the target is untouched
// when any step fails.
template <typename Fill>
bool ReplaceThroughTemporary(const std::string& path, const std::string& likeFile, Flush flush, std::string& error,
                             Fill fill) {
    std::string temporary;
    if (!FillTemporary(path, likeFile, flush, temporary, error, fill)) return false;
    if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    error = SystemError("Cannot replace", path);
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace

std::optional<std::string> DiskFileSystem::read(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    struct stat st {};
    if (::fstat(::fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(f);
        return std::nullopt;
    }
    // Room for the whole file at once: growing the text as it comes copies it
    // again at every doubling and holds two copies at the peak.
    std::string text;
    if (st.st_size > 0) text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return text;
}

bool DiskFileSystem::canRead(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    struct stat st {};
    const bool isDirectory = ::fstat(::fileno(f), &st) == 0 && S_ISDIR(st.st_mode);
    std::fclose(f);
    return !isDirectory;
}

bool DiskFileSystem::writeAtomic(const std::string& path, const std::string& bytes, const std::string& likeFile,
                                 std::string& error) {
    return ReplaceThroughTemporary(path, likeFile, Flush::Now, error, [&](int fd) {
        return WriteAll(fd, bytes) ? std::string{} : SystemError("Cannot write", path);
    });
}

bool DiskFileSystem::writeTemporary(const std::string& path, const std::string& bytes, const std::string& likeFile,
                                    std::string& temporary, std::string& error) {
    return FillTemporary(path, likeFile, Flush::Later, temporary, error, [&](int fd) {
        return WriteAll(fd, bytes) ? std::string{} : SystemError("Cannot write", path);
    });
}

bool DiskFileSystem::rename(const std::string& from, const std::string& to, std::string& error) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    error = SystemError("Cannot move " + from + " to", to);
    return false;
}

bool DiskFileSystem::append(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0666);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    return ::close(fd) == 0 && ok;
}

bool DiskFileSystem::remove(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

bool DiskFileSystem::createFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directory(path, ec);
    return !ec && fs::is_directory(path, ec);
}

bool DiskFileSystem::isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool DiskFileSystem::isFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool DiskFileSystem::removeFolder(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

bool DiskFileSystem::sameFile(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

namespace {

// Copies the open file in to out: the kernel copies without a trip through
// this process where the file system lets it; otherwise the bytes go through
// a buffer. Why it failed, or nothing.
std::string CopyBytes(int in, int out, const std::string& from, const std::string& to) {
    for (ssize_t n; (n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0)) != 0;) {
        if (n > 0 || errno == EINTR) continue;
        if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) break;
        return SystemError("Cannot copy " + from + " to", to);
    }
    std::vector<char> buffer(1 << 16);
    while (true) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return SystemError("Cannot read", from);
        if (n == 0) return std::string{};
        if (!WriteAll(out, std::string_view(buffer.data(), static_cast<std::size_t>(n))))
            return SystemError("Cannot write", to);
    }
}

// Opens from and hands its descriptor to copy; closes it afterwards.
template <typename Copy>
bool FromOpenFile(const std::string& from, std::string& error, Copy copy) {
    const int in = ::open(from.c_str(), O_RDONLY);
    if (in < 0) {
        error = SystemError("Cannot read", from);
        return false;
    }
    const bool copied = copy(in);
    ::close(in);
    return copied;
}

}  // namespace

bool DiskFileSystem::copyFile(const std::string& from, const std::string& to, std::string& error) {
    return FromOpenFile(from, error, [&](int in) {
        struct stat source {};
        const int out =
            ::fstat(in, &source) == 0 ? ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600) : -1;
        if (out < 0) {
            error = SystemError("Cannot create", to);
            return false;
        }
        TakeModeAndGroup(out, source);
        std::string failed = CopyBytes(in, out, from, to);
        struct stat copied {};
        if (failed.empty() && (::fstat(out, &copied) != 0 || ::fstat(in, &source) != 0 || copied.st_size != source.st_size))
            failed = "The copy " + to + " does not have the size of " + from;
        if (::close(out) != 0 && failed.empty()) failed = SystemError("Cannot write", to);
        if (failed.empty()) return true;
        error = failed;
        ::unlink(to.c_str());
        return false;
    });
}

bool DiskFileSystem::copyToTemporary(const std::string& from, const std::string& path, std::string& temporary,
                                     std::string& error) {
    return FromOpenFile(from, error, [&](int in) {
        return FillTemporary(path, from, Flush::Later, temporary, error,
                             [&](int out) { return CopyBytes(in, out, from, path); });
    });
}

bool DiskFileSystem::flush(const std::vector<std::string>& paths, std::string& error) {
    std::set<dev_t> flushed;
    for (const std::string& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || flushed.count(st.st_dev)) continue;
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0 || ::syncfs(fd) != 0) {
            error = SystemError("Cannot write to the disk that holds", path);
            if (fd >= 0) ::close(fd);
            return false;
        }
        ::close(fd);
        flushed.insert(st.st_dev);
    }
    return true;
}

bool DiskFileSystem::list(const std::string& folder, std::vector<FolderEntry>& entries, std::string& error) {
    entries.clear();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        FolderEntry e;
        e.name = it->path().filename().string();
        std::error_code kindError;
        e.link = it->is_symlink(kindError);
        // One stat, through a link, gives both the kind and the size: every
        // walk of a site lists every folder.
        struct stat target {};
        const bool known = ::stat(it->path().c_str(), &target) == 0;
        if (known && S_ISDIR(target.st_mode))
            e.kind = e.link ? FolderEntry::Kind::Other : FolderEntry::Kind::Folder;
        else if (known && S_ISREG(target.st_mode))
            e.size = static_cast<std::uint64_t>(target.st_size);
        else
            e.kind = FolderEntry::Kind::Other;
        entries.push_back(std::move(e));
    }
    if (ec) error = "Cannot list the folder " + folder + ": " + ec.message();
    return !ec;
}

std::optional<std::string> DiskFileSystem::realPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return std::nullopt;
    std::string real = resolved;
    std::free(resolved);
    return real;
}

namespace {

// Removed while still claimed, so whoever opened the old file meanwhile finds
// it gone once the claim is let go, and starts again.
class DiskLock : public FileLock {
public:
    DiskLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~DiskLock() override {
        ::unlink(path_.c_str());
        ::close(fd_);
    }

private:
    int fd_;
    std::string path_;
};

std::string LockNote(int fd) {
    char note[512];
    const ssize_t n = ::pread(fd, note, sizeof note, 0);
    return n > 0 ? std::string(note, static_cast<std::size_t>(n)) : std::string{};
}

bool IsNamedFile(int fd, const std::string& path) {
    struct stat opened {}, named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

// The claim is the system's own lock on the open file (flock), which ends
// with the process; the file and its note only say who holds it.
LockAttempt DiskFileSystem::lock(const std::string& path, const std::string& note) {
    LockAttempt attempt;
    for (int tries = 0; tries < 8; ++tries) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            attempt.error = SystemError("Cannot create the lock file", path);
            return attempt;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) attempt.holder = LockNote(fd);
            else attempt.error = SystemError("Cannot lock", path);
            ::close(fd);
            return attempt;
        }
        // Claimed after its holder removed it: it claims nothing, so try afresh.
        if (!IsNamedFile(fd, path)) {
            ::close(fd);
            continue;
        }
        if (::ftruncate(fd, 0) != 0 || !WriteAll(fd, note)) {
            attempt.error = SystemError("Cannot write", path);
            ::unlink(path.c_str());
            ::close(fd);
            return attempt;
        }
        attempt.lock = std::make_unique<DiskLock>(fd, path);
        return attempt;
    }
    attempt.error = "Cannot claim the lock file " + path;
    return attempt;
}

FileSystem& ActiveFileSystem() {
    static DiskFileSystem disk;
    return g_active ? *g_active : disk;
}

FileSystemOverride::FileSystemOverride(FileSystem& replacement) : previous_(g_active) { g_active = &replacement; }
FileSystemOverride::~FileSystemOverride() { g_active = previous_; }

}  // namespace wk
