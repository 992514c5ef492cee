// What the five commit options and the page's name make a commit do.
#include <filesystem>

#include "commit_fixture.h"
#include "app/commit.h"
#include "markup/scan.h"

namespace wk::test {
namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(CommitTest, WithOnlyKeywordsThePageIsSavedAsShtmlAndTheOldFileStays) {
    SetOptions("00100");
    Load("jazz.html", kJazzPage);
    const CommitResult result = CommitPage(ws);

    EXPECT_EQ(result.writtenPath, site.file("jazz.shtml"));
    EXPECT_EQ(site.read("jazz.shtml"),
              "<html><head>\r\n<meta name=\"keywords\" content=\"jazz,quiz\"><title>Jazz</title></head>"
              "<body><p>Jazz quiz: jazz!</p></body></html>\r\n");
    EXPECT_EQ(site.read("jazz.html"), kJazzPage);
    EXPECT_EQ(ws.page.path, site.file("jazz.html"));
    EXPECT_FALSE(site.exists("_"));
}

TEST_F(CommitTest, WithoutAPageTheMenuOptionWritesTheTwoMenuFilesOnly) {
    const CommitResult result = CommitPage(ws);

    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.writtenPath.empty());
    EXPECT_EQ(FilesIn(site.path()),
              (std::vector<std::string>{"_", "_/0.css", "_/_Tollivance_Web_Kestrane_Menu_System.mnu"}));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(CommitTest, WithoutAPageOrTheMenuOptionNothingIsWritten) {
    SetOptions("10111");
    const CommitResult result = CommitPage(ws);

    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(FilesIn(site.path()).empty());
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(CommitTest, AMissingPageIsReportedAndOnlyTheMenuFilesAreWritten) {
    Load("jazz.html", kJazzPage);
    std::filesystem::remove(site.file("jazz.html"));
    prompt.asked.clear();
    const CommitResult result = CommitPage(ws);

    ASSERT_EQ(prompt.count("message"), 1u);
    EXPECT_EQ(prompt.asked[0].title, "Target not Found");
    EXPECT_EQ(prompt.asked[0].text,
              "The file you have typed in or modified does not exist or the path is incorrect. Please browse "
              "your target file again");
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].find(site.file("jazz.html")), std::string::npos);
    EXPECT_TRUE(ws.page.path.empty());
    EXPECT_TRUE(ws.page.text.empty());
    EXPECT_EQ(FilesIn(site.path()),
              (std::vector<std::string>{"_", "_/0.css", "_/_Tollivance_Web_Kestrane_Menu_System.mnu"}));
}

TEST_F(CommitTest, APageAlreadyNamedShtmlIsOverwrittenInPlace) {
    LoadJazz("index.shtml");
    const CommitResult result = CommitPage(ws);

    EXPECT_EQ(result.writtenPath, site.file("index.shtml"));
    EXPECT_EQ(site.read("index.shtml"), CommittedJazz());
    EXPECT_EQ(ws.page.path, site.file("index.shtml"));
    EXPECT_EQ(FilesIn(site.path()), (std::vector<std::string>{"_", "_/0.css",
                                                               "_/_Tollivance_Web_Kestrane_Menu_System.mnu",
                                                               "index.shtml"}));
}

TEST_F(CommitTest, ThePageIsSavedUnderItsFirstNamePartWithShtmlAndTheOldFileGoesUnlessItMayBeTheNewOne) {
    struct Case {
        const char* loaded;
        const char* written;
        bool oldKept;
    };
    const Case cases[] = {
        {"readme", "readme.shtml", false},      // no dot: gains the extension
        {"my.page.htm", "my.shtml", false},     // several dots: the first part only
        {"old.page.shtml", "old.shtml", true},  // an old name ending in .shtml is never deleted
        {"index.SHTML", "index.shtml", true},   // differs only in case: may be the new file
        {"index.HTML", "index.shtml", false},
    };
    for (const Case& c : cases) {
        LoadJazz(c.loaded);
        const CommitResult result = CommitPage(ws);
        EXPECT_EQ(result.writtenPath, site.file(c.written)) << c.loaded;
        EXPECT_EQ(site.read(c.written), CommittedJazz()) << c.loaded;
        EXPECT_EQ(ws.page.path, site.file(c.written)) << c.loaded;
        EXPECT_EQ(site.exists(c.loaded), c.oldKept) << c.loaded;
    }
    EXPECT_EQ(site.read("old.page.shtml"), kJazzPage);
}

TEST_F(CommitTest, CancelledCategoryPromptsWriteAnEmptyCategory) {
    SetOptions("00001");
    Load("jazz.html", kJazzPage);
    CommitPage(ws);

    ASSERT_EQ(prompt.count("input"), 2u);
    EXPECT_EQ(prompt.asked[0].text, "This page has no category. Please enter the category:");
    EXPECT_EQ(prompt.asked[1].title, "Empty Category");
    EXPECT_EQ(prompt.asked[1].text, "Please enter the Category");
    EXPECT_EQ(site.read("jazz.shtml"),
              "<html><head>\r\n<meta name=\"category\" content=\"\"><title>Jazz</title></head>"
              "<body><p>Jazz quiz: jazz!</p></body></html>\r\n");
}

TEST_F(CommitTest, TheCommitPromptFillsTheCategoryTheLoadLeftEmpty) {
    SetOptions("00001");
    Load("jazz.html", kJazzPage);
    AnswerCategory("Swing");
    CommitPage(ws);

    EXPECT_EQ(ws.status.category, "Swing");
    EXPECT_NE(site.read("jazz.shtml").find("<meta name=\"category\" content=\"Swing\">"), std::string::npos);
}

TEST_F(CommitTest, TheEditedDescriptionIsWhatTheCommitWrites) {
    SetOptions("00010");
    Load("jazz.html", kJazzPage);
    ws.page.description = "All about jazz";
    CommitPage(ws);

    EXPECT_EQ(ReadMetaContent(site.read("jazz.shtml"), "description"), "All about jazz");
}

TEST_F(CommitTest, TheIncludeGoesAfterTheStoredAnchor) {
    SetOptions("01000");
    ws.options.anchor = "<div id=\"nav\">";
    Load("a.html", "<html><head></head><body><div>x</div><div id=\"nav\">y</div></body></html>");
    CommitPage(ws);

    const std::string page = site.read("a.shtml");
    EXPECT_NE(page.find("<div id=\"nav\">" + std::string(IncludeDirective()) + "y</div>"), std::string::npos);
}

TEST_F(CommitTest, ThePageIsNormalisedBeforeItIsWritten) {
    SetOptions("00000");
    Load("hello.html", "Hello");
    CommitPage(ws);

    EXPECT_EQ(site.read("hello.shtml"), "<html><head></head><body>Hello</body></html>\r\n");
}

}  // namespace
}  // namespace wk::test
