#include "ground/file_routines.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "failing_file_system.h"
#include "temp_folder.h"

namespace wk {
namespace {

using test::TempFolder;

TEST(PathRoutines, SplitAtTheLastSeparatorOfEitherKind) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"C:\\site\\a/b.html", "C:\\site\\a/", "b.html"},
        {"/home/me/site/index.html", "/home/me/site/", "index.html"},
        {"page.html", "", "page.html"},
        {"/site/", "/site/", ""}};
    for (const auto& [path, folder, name] : cases) {
        EXPECT_EQ(FolderOfPath(path), folder);
        EXPECT_EQ(FileNameOfPath(path), name);
    }
}

TEST(FileExists, AnEmptyNameOrFolderNamesNothing) {
    TempFolder dir;
    dir.write("a.txt", "x");
    EXPECT_TRUE(FileExists(dir.path(), "a.txt"));
    EXPECT_TRUE(FileExists(dir.path().substr(0, dir.path().size() - 1), "a.txt"));  // separator added
    EXPECT_FALSE(FileExists(dir.path(), ""));
    EXPECT_FALSE(FileExists("", "a.txt"));
    EXPECT_FALSE(FileExists(dir.path(), "missing.txt"));
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_FALSE(FileExists(dir.path(), "sub"));  // a folder is not a readable file
}

TEST(ReadLines, SplitsOnEveryKindOfLineEnd) {
    TempFolder dir;
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a\nb\rc", {"a", "b", "c"}}, {"\r\n", {""}}, {"", {}}, {"a\r\nb\r\n", {"a", "b"}}};
    for (const auto& [text, lines] : cases) {
        dir.write("crlf", text);
        EXPECT_EQ(ReadLines(dir.path(), "crlf"), lines) << text;
    }
    EXPECT_FALSE(ReadLines(dir.path(), "missing").has_value());
    EXPECT_EQ(ReadWholeFile(dir.path(), "crlf"), "a\r\nb\r\n");
    EXPECT_EQ(ReadWholeFile(dir.path(), "missing"), "");
}

TEST(WriteWholeFile, EndsWithCrLfCreatesAMissingFolderAndLeavesNoTemporaryFile) {
    TempFolder dir;
    ASSERT_TRUE(WriteWholeFile(dir.path() + "new", "menu.ufm", "text"));
    EXPECT_EQ(dir.read("new/menu.ufm"), "text\r\n");
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(WriteWholeFile(dir.path() + "new", "menu.ufm", std::string(100000, 'x')));
    ASSERT_TRUE(WriteWholeFile(dir.path() + "new", "menu.ufm", ""));
    EXPECT_EQ(dir.read("new/menu.ufm"), "\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("new")), {}), 1);
    // Only one level is created: the parent must exist.
    WriteOutcome deep = WriteWholeFile(dir.path() + "no/such", "x", "y");
    EXPECT_FALSE(deep.ok);
    EXPECT_NE(deep.error.find(dir.path() + "no/such"), std::string::npos);
}

TEST(WriteWholeFile, AFailedWriteIsReportedAndKeepsTheOldContent) {
    TempFolder dir;
    dir.write("page.shtml", "old page");
    test::FailingFileSystem failing;
    failing.failingNames = {"page.shtml"};
    FileSystemOverride seam(failing);
    WriteOutcome outcome = WriteWholeFile(dir.path(), "page.shtml", "new page");
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("page.shtml"), std::string::npos);
    EXPECT_EQ(dir.read("page.shtml"), "old page");
}

TEST(FolderIsWritable, ProbesWithoutLeavingTheProbeFile) {
    TempFolder dir;
    EXPECT_TRUE(FolderIsWritable(dir.path()));
    EXPECT_FALSE(dir.exists("Check.test"));
    dir.write("Check.test", "mine");
    EXPECT_TRUE(FolderIsWritable(dir.path()));
    EXPECT_EQ(dir.read("Check.test"), "mine");  // a probe file that was there stays
    EXPECT_FALSE(FolderIsWritable(""));
    EXPECT_FALSE(FolderIsWritable(dir.path() + "missing"));
}

TEST(WritePageFile, EndsThePageWithExactlyOneLineBreakButKeepsItsOwnBlankLines) {
    TempFolder folder;
    const std::pair<const char*, const char*> cases[] = {{"<p>x</p>", "<p>x</p>\r\n"},
                                                         {"<p>x</p>\r\n", "<p>x</p>\r\n"},
                                                         {"<p>x</p>\n", "<p>x</p>\r\n"},
                                                         {"<p>x</p>\r\n\r\n", "<p>x</p>\r\n\r\n"}};
    for (const auto& [page, written] : cases) {
        ASSERT_TRUE(WritePageFile(folder.path(), "p", page).ok);
        EXPECT_EQ(folder.read("p"), written) << page;
    }
}

}  // namespace
}  // namespace wk
