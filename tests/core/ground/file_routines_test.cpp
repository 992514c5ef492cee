#include "ground/file_routines.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "failing_file_system.h"
#include "temp_folder.h"

namespace wk {
namespace {

using test::TempFolder;

TEST(PathRoutines, SplitAtTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(FileNameOfPath("C:\\site\\a/b.html"), "b.html");
    EXPECT_EQ(FolderOfPath("C:\\site\\a/b.html"), "C:\\site\\a/");
    EXPECT_EQ(FileNameOfPath("/home/me/site/index.html"), "index.html");
    EXPECT_EQ(FolderOfPath("/home/me/site/index.html"), "/home/me/site/");
    EXPECT_EQ(FileNameOfPath("page.html"), "page.html");
    EXPECT_EQ(FolderOfPath("page.html"), "");
    EXPECT_EQ(FileNameOfPath("/site/"), "");
    EXPECT_EQ(FolderOfPath("/site/"), "/site/");
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
    dir.write("crlf", "a\r\nb\r\n");
    dir.write("mixed", "a\nb\rc");
    dir.write("one-end", "\r\n");
    dir.write("empty", "");
    EXPECT_EQ(ReadLines(dir.path(), "crlf"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ReadLines(dir.path(), "mixed"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ReadLines(dir.path(), "one-end"), (std::vector<std::string>{""}));
    EXPECT_EQ(ReadLines(dir.path(), "empty"), (std::vector<std::string>{}));
    EXPECT_FALSE(ReadLines(dir.path(), "missing").has_value());
    EXPECT_EQ(ReadWholeFile(dir.path(), "crlf"), "a\r\nb\r\n");
    EXPECT_EQ(ReadWholeFile(dir.path(), "missing"), "");
}

TEST(WriteWholeFile, EndsWithCrLfAndCreatesAMissingFolder) {
    TempFolder dir;
    ASSERT_TRUE(WriteWholeFile(dir.path() + "new", "menu.ufm", "text"));
    EXPECT_EQ(dir.read("new/menu.ufm"), "text\r\n");
    ASSERT_TRUE(WriteWholeFile(dir.path() + "new", "menu.ufm", ""));
    EXPECT_EQ(dir.read("new/menu.ufm"), "\r\n");
    // Only one level is created: the parent must exist.
    WriteOutcome deep = WriteWholeFile(dir.path() + "no/such", "x", "y");
    EXPECT_FALSE(deep.ok);
    EXPECT_NE(deep.error.find(dir.path() + "no/such"), std::string::npos);
}

TEST(WriteWholeFile, LeavesNoTemporaryFileBehind) {
    TempFolder dir;
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(WriteWholeFile(dir.path(), "page.shtml", std::string(100000, 'x')));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
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

TEST(WritePageFile, EndsThePageWithExactlyOneLineBreak) {
    TempFolder folder;
    ASSERT_TRUE(WritePageFile(folder.path(), "a", "<p>x</p>").ok);
    ASSERT_TRUE(WritePageFile(folder.path(), "b", "<p>x</p>\r\n").ok);
    ASSERT_TRUE(WritePageFile(folder.path(), "c", "<p>x</p>\n").ok);
    ASSERT_TRUE(WritePageFile(folder.path(), "d", "<p>x</p>\r\n\r\n").ok);

    EXPECT_EQ(folder.read("a"), "<p>x</p>\r\n");
    EXPECT_EQ(folder.read("b"), "<p>x</p>\r\n");
    EXPECT_EQ(folder.read("c"), "<p>x</p>\r\n");
    // Blank lines the page itself ends with stay.
    EXPECT_EQ(folder.read("d"), "<p>x</p>\r\n\r\n");
}

}  // namespace
}  // namespace wk
