#pragma once
// Pages for the differential tests: random pages over a small alphabet rich in
// the characters and fragments the routines react to, and real HTML pages
// from the Python documentation when it is installed.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace wk::test {

// count pieces drawn at random from parts, joined.
inline std::string Pieces(std::mt19937& random, const std::vector<std::string>& parts, std::size_t count) {
    std::uniform_int_distribution<std::size_t> pick(0, parts.size() - 1);
    std::string page;
    for (std::size_t i = 0; i < count; ++i) page += parts[pick(random)];
    return page;
}

inline std::string RandomPage(std::mt19937& random, std::size_t pieces) {
    static const std::vector<std::string> kPieces = {
        ".", "!", "?", " ", " ", " ", "  ", "<", ">", "&", ";", "\r", "\n", "\t", "a", "b", "x", "q", "Z", "'", "`",
        "2", "\xA0", "\xC3\xAF", std::string(1, '\0'), "<head>", "<HEAD>", "<head ", "< head>", "</head>", "</HEAD>",
        "</head >", "< /head>", "<head  text/css", "<body>", "<BODY class=\"x\">", "</body>", "</p>", "</P>", "</h1>",
        " </h2>", "<p>", "<style type ", "<STYLE TYPE  ", "text/css ", " text/css", "TEXT/CSS",
        "<style type=\"text/css\">", "</style>", "</title>", "<title>", "<meta ", "<html>", "<HTML>", "</html>",
        "<!DOCTYPE html>", "&amp;", "jazz", "quiz", "don't", "Box", "the ", "Hello. ", "Yes! ", "Why? ", "3.5", "..",
        "!.", "?.", " .", " !", " ?", "<!--", "-->", "<b>", "<br>"};
    return Pieces(random, kPieces, pieces);
}

// Readable sentences of varied length inside paragraphs, for benchmarks and
// long pages.
inline std::string ProsePage(std::size_t bytes, unsigned seed = 1) {
    static const std::vector<std::string> kWords = {
        "the",   "kestrel", "hovers",  "over", "quiet", "meadows", "jazz", "quiz",  "menu", "site", "page", "boxes",
        "zebra", "vivid",   "quickly", "and",  "of",    "a",       "wax",  "jumps", "fox",  "lazy", "dog"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> word(0, kWords.size() - 1), length(1, 14), mark(0, 9);
    std::string body;
    while (body.size() < bytes) {
        body += "<p>";
        for (int sentence = 0; sentence < 5; ++sentence) {
            const std::size_t n = length(random);
            for (std::size_t i = 0; i < n; ++i) body += (i ? " " : "") + kWords[word(random)];
            const std::size_t m = mark(random);
            body += m == 0 ? "! " : m == 1 ? "? " : ". ";
        }
        body += "</p>\r\n";
    }
    return "<html><head><title>Prose</title></head><body>" + body + "</body></html>";
}

inline const char* kRealPagesFolder = "/usr/share/doc/python3.11/html";

// The real pages of at most maxBytes each, in a fixed order.
inline std::vector<std::string> RealPagePaths(std::size_t maxBytes) {
    std::vector<std::string> paths;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(kRealPagesFolder, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->path().extension() == ".html" && it->file_size() <= maxBytes) paths.push_back(it->path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace wk::test
