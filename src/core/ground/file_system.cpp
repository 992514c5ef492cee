#include "ground/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace wk {
namespace {

namespace fs = std::filesystem;

FileSystem* g_active = nullptr;

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::string& bytes) {
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

}  // namespace

std::optional<std::string> DiskFileSystem::read(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    struct stat st {};
    if (::fstat(::fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(f);
        return std::nullopt;
    }
    std::string text;
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

bool DiskFileSystem::writeAtomic(const std::string& path, const std::string& bytes, std::string& error) {
    std::string temp = path + ".wk-tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = SystemError("Cannot create a temporary file beside", path);
        return false;
    }
    // Keep the permissions of the file being replaced; new files get the usual ones.
    struct stat st {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        error = SystemError("Cannot write", path);
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    if (::close(fd) != 0) {
        error = SystemError("Cannot write", path);
        ::unlink(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = SystemError("Cannot replace", path);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
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

bool DiskFileSystem::copyFile(const std::string& from, const std::string& to, std::string& error) {
    std::optional<std::string> bytes = read(from);
    if (!bytes) {
        error = SystemError("Cannot read", from);
        return false;
    }
    return writeAtomic(to, *bytes, error);
}

std::vector<FolderEntry> DiskFileSystem::list(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        FolderEntry e;
        e.name = entry.path().filename().string();
        e.isFolder = entry.is_directory(ec);
        if (!e.isFolder) e.size = entry.file_size(ec);
        entries.push_back(std::move(e));
    }
    return entries;
}

FileSystem& ActiveFileSystem() {
    static DiskFileSystem disk;
    return g_active ? *g_active : disk;
}

FileSystemOverride::FileSystemOverride(FileSystem& replacement) : previous_(g_active) { g_active = &replacement; }
FileSystemOverride::~FileSystemOverride() { g_active = previous_; }

}  // namespace wk
