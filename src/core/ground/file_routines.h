#pragma once
// The file and path routines every subsystem uses for settings and site files.
// A folder text always ends with the separator; every write ends with CR LF;
// a missing file reads as empty text or as no lines.
#include <optional>
#include <string>
#include <vector>

namespace wk {

inline constexpr char kSeparator = '/';
inline constexpr const char* kLineEnd = "\r\n";

// The result of a write that replaces user data: ok, or why not.
struct WriteOutcome {
    bool ok = true;
    std::string error;  // names the file concerned
    explicit operator bool() const { return ok; }
};

// The folder with one separator at its end; empty stays empty (and then every
// routine below fails, as an empty folder names nothing).
std::string NormaliseFolder(const std::string& folder);

// The folder as an absolute path ending with the separator: a leading "~"
// stands for $HOME, a relative folder is taken from the current folder, and
// "." and ".." steps are resolved by name. Empty stays empty.
std::string AbsoluteFolder(const std::string& folder);

bool FolderIsWritable(const std::string& folder);
bool FileExists(const std::string& folder, const std::string& name);
std::string ReadWholeFile(const std::string& folder, const std::string& name);
// The file's lines without their line ends (CR LF, LF or CR); nothing when the
// file cannot be read. A file holding one line end gives one empty line.
std::optional<std::vector<std::string>> ReadLines(const std::string& folder, const std::string& name);
// Replaces the file by text + CR LF atomically, creating the folder when it is
// missing (its parent must exist).
WriteOutcome WriteWholeFile(const std::string& folder, const std::string& name, const std::string& text);
// Writes a page's text atomically, ending it with one line break: a text that
// already ends with one is not given another, so a page committed again does
// not grow. The file takes the permissions of likeFile (the page's old file)
// when one is named, else keeps its own.
WriteOutcome WritePageFile(const std::string& folder, const std::string& name, const std::string& text,
                           const std::string& likeFile = {});
// The bytes WritePageFile writes for a page's text.
std::string PageFileBytes(const std::string& text);
// Splits text into lines as ReadLines does.
std::vector<std::string> SplitLines(const std::string& text);

// Whether path, its links followed, lies inside folder, its links followed
// too: a link inside a site may lead out of it. False when either leads nowhere.
bool LiesInside(const std::string& path, const std::string& folder);

std::string FileNameOfPath(const std::string& path);
std::string FolderOfPath(const std::string& path);

}  // namespace wk
