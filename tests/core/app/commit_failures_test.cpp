// A write that fails stops the commit, is reported naming the file, and
// leaves the page, its old file and the menu tree as they were.
#include <filesystem>

#include "ground/file_system.h"
#include "commit_fixture.h"
#include "app/commit.h"
#include "support/failing_file_system.h"

namespace wk::test {
namespace {

class FailingDelete : public FailingFileSystem {
public:
    bool remove(const std::string&) override { return false; }
};

class CommitFailure : public CommitTest {
protected:
    NodeId link = 0;

    void SetUp() override {
        CommitTest::SetUp();
        link = ws.tree.appendMenu("Jazz", "www.acme.com/jazz.html");
        LoadJazz("jazz.html");
    }

    // Commits while every write of the file named fails.
    CommitResult CommitFailingToWrite(const std::string& name) {
        FailingFileSystem disk;
        disk.failingNames = {name};
        FileSystemOverride use(disk);
        return CommitPage(ws);
    }

    // The one message shown, which must name the file.
    void ExpectReported(const CommitResult& result, const std::string& file) {
        EXPECT_FALSE(result.ok);
        ASSERT_EQ(prompt.count("message"), 1u);
        const auto& message = prompt.asked.back();
        EXPECT_EQ(message.kind, "message");
        EXPECT_NE(message.text.find(file), std::string::npos) << message.text;
        ASSERT_EQ(result.errors.size(), 1u);
        EXPECT_NE(result.errors[0].find(file), std::string::npos);
    }

    void ExpectPageUntouched(const CommitResult& result) {
        EXPECT_TRUE(result.writtenPath.empty());
        EXPECT_EQ(site.read("jazz.html"), kJazzPage);
        EXPECT_FALSE(site.exists("jazz.shtml"));
        EXPECT_EQ(ws.page.path, site.file("jazz.html"));
        EXPECT_EQ(ws.page.text, kJazzPage);
        EXPECT_EQ(ws.tree.node(link).link, "www.acme.com/jazz.html");
        EXPECT_FALSE(app.exists("default.mnu"));
    }
};

TEST_F(CommitFailure, AStyleSheetThatCannotBeWrittenStopsBeforeAnythingElse) {
    const CommitResult result = CommitFailingToWrite("0.css");

    ExpectReported(result, site.file("_/0.css"));
    ExpectPageUntouched(result);
    EXPECT_FALSE(site.exists("_/_Tollivance_Web_Kestrane_Menu_System.mnu"));
}

TEST_F(CommitFailure, AnIncludeFileThatCannotBeWrittenStopsTheCommit) {
    const CommitResult result = CommitFailingToWrite(kIncludeFile);

    ExpectReported(result, site.file(std::string("_/") + kIncludeFile));
    ExpectPageUntouched(result);
}

TEST_F(CommitFailure, AMenuFolderThatCannotBeCreatedStopsTheCommit) {
    FailingFileSystem disk;
    disk.failFolderCreation = true;
    FileSystemOverride use(disk);
    const CommitResult result = CommitPage(ws);

    ExpectReported(result, site.file("_"));
    ExpectPageUntouched(result);
    EXPECT_FALSE(site.exists("_"));
}

TEST_F(CommitFailure, APageThatCannotBeWrittenKeepsItsOldFile) {
    const CommitResult result = CommitFailingToWrite("jazz.shtml");

    ExpectReported(result, site.file("jazz.shtml"));
    ExpectPageUntouched(result);
}

TEST_F(CommitFailure, WithoutASiteFolderTheMenuFilesAreNotWrittenAnywhere) {
    ws.status.siteRoot.clear();
    const CommitResult result = CommitPage(ws);

    ExpectReported(result, "0.css");
    ExpectPageUntouched(result);
    EXPECT_FALSE(std::filesystem::exists("_/0.css"));
}

TEST_F(CommitFailure, AnOldFileThatCannotBeDeletedIsReportedAfterTheMove) {
    FailingDelete disk;
    FileSystemOverride use(disk);
    const CommitResult result = CommitPage(ws);

    ExpectReported(result, site.file("jazz.html"));
    EXPECT_EQ(result.writtenPath, site.file("jazz.shtml"));
    EXPECT_EQ(site.read("jazz.shtml"), CommittedJazz());
    EXPECT_EQ(site.read("jazz.html"), kJazzPage);
    EXPECT_EQ(ws.page.path, site.file("jazz.shtml"));
    EXPECT_EQ(ws.tree.node(link).link, "www.acme.com/jazz.shtml");
}

}  // namespace
}  // namespace wk::test
