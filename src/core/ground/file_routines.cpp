#include "ground/file_routines.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ground/file_system.h"

namespace wk {

std::string NormaliseFolder(const std::string& folder) {
    if (folder.empty() || folder.back() == kSeparator) return folder;
    return folder + kSeparator;
}

std::string AbsoluteFolder(const std::string& folder) {
    if (folder.empty()) return folder;
    std::string path = folder;
    // A shell expands "~" in a command's words, but not in a typed entry.
    const char* home = std::getenv("HOME");
    if ((path == "~" || path.starts_with("~/")) && home && *home) path = home + path.substr(1);
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    // Without a current folder a relative entry stays as typed.
    if (error) return NormaliseFolder(path);
    return NormaliseFolder(full.lexically_normal().generic_string());
}

bool FolderIsWritable(const std::string& folder) {
    const std::string dir = NormaliseFolder(folder);
    if (dir.empty()) return false;
    FileSystem& fs = ActiveFileSystem();
    if (!fs.isFolder(dir)) return false;
    // Probe by creating a file, as only that answers for every kind of mount;
    // a probe file that was already there is left in place.
    const std::string probe = dir + "Check.test";
    const bool existed = fs.isFile(probe);
    if (!fs.append(probe, "")) return false;
    if (!existed) fs.remove(probe);
    return true;
}

bool FileExists(const std::string& folder, const std::string& name) {
    const std::string dir = NormaliseFolder(folder);
    if (dir.empty() || name.empty()) return false;
    return ActiveFileSystem().canRead(dir + name);
}

std::string ReadWholeFile(const std::string& folder, const std::string& name) {
    const std::string dir = NormaliseFolder(folder);
    if (dir.empty() || name.empty()) return {};
    return ActiveFileSystem().read(dir + name).value_or(std::string{});
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& folder, const std::string& name) {
    const std::string dir = NormaliseFolder(folder);
    if (dir.empty() || name.empty()) return std::nullopt;
    std::optional<std::string> text = ActiveFileSystem().read(dir + name);
    if (!text) return std::nullopt;
    return SplitLines(*text);
}

namespace {

WriteOutcome WriteFileLike(const std::string& folder, const std::string& name, const std::string& bytes,
                           const std::string& likeFile) {
    const std::string dir = NormaliseFolder(folder);
    if (dir.empty() || name.empty()) return {false, "No folder or file name given for " + name};
    FileSystem& fs = ActiveFileSystem();
    if (!fs.isFolder(dir) && !fs.createFolder(dir)) return {false, "Cannot create the folder " + dir};
    WriteOutcome outcome;
    outcome.ok = fs.writeAtomic(dir + name, bytes, likeFile.empty() ? dir + name : likeFile, outcome.error);
    return outcome;
}

}  // namespace

WriteOutcome WriteWholeFile(const std::string& folder, const std::string& name, const std::string& text) {
    return WriteFileLike(folder, name, text + kLineEnd, {});
}

std::string PageFileBytes(const std::string& text) {
    // Every file written ends with CR LF; the page's own final line break is
    // taken off so that it stands in its place.
    std::size_t end = text.size();
    if (text.ends_with(kLineEnd))
        end -= 2;
    else if (text.ends_with("\n") || text.ends_with("\r"))
        end -= 1;
    return text.substr(0, end) + kLineEnd;
}

WriteOutcome WritePageFile(const std::string& folder, const std::string& name, const std::string& text,
                           const std::string& likeFile) {
    return WriteFileLike(folder, name, PageFileBytes(text), likeFile);
}

bool LiesInside(const std::string& path, const std::string& folder) {
    FileSystem& fs = ActiveFileSystem();
    const std::optional<std::string> real = fs.realPath(path);
    const std::optional<std::string> realFolder = fs.realPath(folder);
    return real && realFolder && real->starts_with(NormaliseFolder(*realFolder));
}

std::string FileNameOfPath(const std::string& path) {
    const std::size_t last = path.find_last_of("\\/");
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string FolderOfPath(const std::string& path) {
    return path.substr(0, path.size() - FileNameOfPath(path).size());
}

}  // namespace wk
