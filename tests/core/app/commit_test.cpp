// Committing a page: what the five commit options and the page's name make
// a commit do, failed writes, and the jazz page byte for byte.
#include <filesystem>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "app/commit.h"
#include "commit_fixture.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "markup/scan.h"
#include "menu/capsule.h"
#include "menu/menu_file.h"
#include "style/style_sheet.h"
#include "support/failing_file_system.h"

namespace wk::test {
namespace {

const std::vector<std::string> kMenuFiles = {"_", "_/0.css", "_/_Tollivance_Web_Kestrane_Menu_System.mnu"};

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

TEST_F(CommitTest, WithoutAPageOnlyTheMenuOptionWritesAnythingAndThenTheTwoMenuFilesOnly) {
    SetOptions("10111");
    EXPECT_TRUE(CommitPage(ws).ok);
    EXPECT_TRUE(FilesIn(site.path()).empty());
    SetOptions("11111");
    const CommitResult result = CommitPage(ws);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.writtenPath.empty());
    EXPECT_EQ(FilesIn(site.path()), kMenuFiles);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(CommitTest, AMissingPageIsReportedAndOnlyTheMenuFilesAreWritten) {
    Load("jazz.html", kJazzPage);
    std::filesystem::remove(site.file("jazz.html"));
    prompt.asked.clear();
    const CommitResult result = CommitPage(ws);
    EXPECT_EQ(prompt.count("message"), 1u);
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].find(site.file("jazz.html")), std::string::npos);
    EXPECT_TRUE(ws.page.path.empty());
    EXPECT_TRUE(ws.page.text.empty());
    EXPECT_EQ(FilesIn(site.path()), kMenuFiles);
}

TEST_F(CommitTest, ThePageIsSavedUnderItsFirstNamePartWithShtmlAndTheOldFileGoesUnlessItMayBeTheNewOne) {
    struct Case {
        const char* loaded;
        const char* written;
        bool oldKept;
    };
    const Case cases[] = {
        {"index.shtml", "index.shtml", true},   // overwritten in place
        {"readme", "readme.shtml", false},      // no dot: gains the extension
        {"my.page.htm", "my.shtml", false},     // several dots: the first part only
        {"old.page.shtml", "old.shtml", true},  // an old name ending in .shtml is never deleted
        {"index.SHTML", "index.shtml", true},   // differs only in case: may be the new file
        {"index.HTML", "index.shtml", false},
    };
    for (const Case& c : cases) {
        // A file of the new name other than the page is replaced only on Yes.
        if (site.exists(c.written) && std::string(c.written) != c.loaded) prompt.yesNoAnswers.push_back(true);
        LoadJazz(c.loaded);
        const CommitResult result = CommitPage(ws);
        EXPECT_EQ(result.writtenPath, site.file(c.written)) << c.loaded;
        EXPECT_EQ(site.read(c.written), CommittedJazz()) << c.loaded;
        EXPECT_EQ(ws.page.path, site.file(c.written)) << c.loaded;
        EXPECT_EQ(site.exists(c.loaded), c.oldKept) << c.loaded;
    }
    EXPECT_EQ(site.read("old.page.shtml"), kJazzPage);
    std::vector<std::string> files = kMenuFiles;  // and no stray file
    files.insert(files.end(),
                 {"index.SHTML", "index.shtml", "my.shtml", "old.page.shtml", "old.shtml", "readme.shtml"});
    EXPECT_EQ(FilesIn(site.path()), files);
}

TEST_F(CommitTest, ANewNameTakenByAnotherFileIsReplacedOnlyOnYesAndNoWritesNothing) {
    LoadJazz("x.a.htm");
    CommitPage(ws);
    Load("x.b.htm", "<p>b</p>");
    const std::string taken = site.read("x.shtml");
    FailingFileSystem disk;
    FileSystemOverride use(disk);
    const CommitResult declined = CommitPage(ws);
    EXPECT_TRUE(declined.declined);
    EXPECT_FALSE(declined.ok);
    EXPECT_EQ(prompt.asked.back().text, site.file("x.shtml") + " already exists. Replace it?");
    EXPECT_EQ(disk.writes, 0);
    EXPECT_EQ(site.read("x.shtml"), taken);
    EXPECT_EQ(site.read("x.b.htm"), "<p>b</p>");
    prompt.yesNoAnswers.push_back(true);
    EXPECT_TRUE(CommitPage(ws).ok);
    EXPECT_FALSE(site.exists("x.b.htm"));
    EXPECT_NE(site.read("x.shtml").find("<p>b</p>"), std::string::npos);
}

// The commit asks again for the category the load left empty: cancelled, it is written empty.
TEST_F(CommitTest, TheCommitAsksForTheCategoryTheLoadLeftEmpty) {
    SetOptions("00001");
    Load("jazz.html", kJazzPage);
    CommitPage(ws);
    EXPECT_EQ(prompt.count("input"), 2u);
    EXPECT_EQ(site.read("jazz.shtml"),
              "<html><head>\r\n<meta name=\"category\" content=\"\"><title>Jazz</title></head>"
              "<body><p>Jazz quiz: jazz!</p></body></html>\r\n");
    Load("swing.html", kJazzPage);
    AnswerCategory("Swing");
    CommitPage(ws);
    EXPECT_EQ(ws.status.category, "Swing");
    EXPECT_NE(site.read("swing.shtml").find("<meta name=\"category\" content=\"Swing\">"), std::string::npos);
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

TEST_F(CommitTest, AMissingAnchorSavesEverythingButTheMenuAndSaysSo) {
    ws.options.anchor = "<nav>";
    LoadJazz("jazz.html");
    const CommitResult result = CommitPage(ws);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.menuMissing);
    EXPECT_EQ(site.read("jazz.shtml"), ReplaceAll(CommittedJazz(), IncludeDirective(), ""));
    EXPECT_FALSE(site.exists("jazz.html"));
    EXPECT_EQ(ws.page.path, site.file("jazz.shtml"));
    ASSERT_EQ(prompt.count("message"), 1u);
    for (const std::string& named : {std::string("<nav>"), site.file("jazz.html")})
        EXPECT_NE(prompt.asked.back().text.find(named), std::string::npos) << prompt.asked.back().text;
}

TEST_F(CommitTest, WithNoOptionTickedThePageIsOnlyNormalisedSavedAndSaid) {
    SetOptions("00000");
    Load("hello.html", "Hello");
    const CommitResult result = CommitPage(ws);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(site.read("hello.shtml"), "<html><head></head><body>Hello</body></html>\r\n");
    EXPECT_EQ(site.read("hello.html"), "Hello");
    EXPECT_EQ(ws.page.path, site.file("hello.html"));
    ASSERT_EQ(prompt.count("message"), 1u);
    for (const std::string& named : {site.file("hello.shtml"), site.file("hello.html") + " is unchanged"})
        EXPECT_NE(prompt.asked.back().text.find(named), std::string::npos) << prompt.asked.back().text;
}

// A write that fails stops the commit, is reported naming the file, and
// leaves the page, its old file and the menu tree as they were.

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
        EXPECT_NE(prompt.asked.back().text.find(file), std::string::npos) << prompt.asked.back().text;
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

TEST_F(CommitFailure, AStyleSheetIncludeFileOrPageThatCannotBeWrittenStopsTheCommit) {
    // The style sheet comes first: nothing else is written after it fails.
    for (const std::string& name : {std::string("0.css"), std::string(kIncludeFile), std::string("jazz.shtml")}) {
        SCOPED_TRACE(name);
        prompt.asked.clear();
        const CommitResult result = CommitFailingToWrite(name);
        ExpectReported(result, site.file(name == "jazz.shtml" ? name : "_/" + name));
        ExpectPageUntouched(result);
        if (name == "0.css") {
            EXPECT_FALSE(site.exists(std::string("_/") + kIncludeFile));
        }
    }
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

// The jazz page committed with every option on, byte for byte, and again.

class JazzPageCommit : public CommitTest {
protected:
    NodeId jazzLink = 0;
    void SetUp() override {
        CommitTest::SetUp();
        const NodeId menu = ws.tree.appendMenu("Music", "www.acme.com/index.html");
        jazzLink = ws.tree.appendItem(menu, "Jazz", "www.acme.com/jazz.html");
        LoadJazz("jazz.html");
    }
};

TEST_F(JazzPageCommit, LoadingProposesKeywordsDescriptionAndAsksTheCategory) {
    EXPECT_EQ(ws.page.text, kJazzPage);
    EXPECT_EQ(ws.page.keywords, "jazz,quiz");
    EXPECT_EQ(ws.page.keywordEntries, (std::vector<std::string>{"jazz", "quiz"}));
    EXPECT_EQ(ws.page.description, "Jazz quiz: jazz! ");
    EXPECT_EQ(ws.status.category, "Music");
    EXPECT_EQ(prompt.count("input"), 1u);
}

// The page moves to its shtml name and is loaded; the menu link follows it and is saved.
TEST_F(JazzPageCommit, WritesThePageTheStyleSheetAndTheIncludeFile) {
    const CommitResult result = CommitPage(ws);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.writtenPath, site.file("jazz.shtml"));
    EXPECT_EQ(site.read("jazz.shtml"), CommittedJazz());
    EXPECT_EQ(Menu("0.css"), BuildStyleSheet(ws.style) + "\r\n");
    // The live menu links the page under its new name, never the file just deleted.
    EXPECT_EQ(Menu("_Tollivance_Web_Kestrane_Menu_System.mnu"), MenuCapsule(ws) + "\r\n");
    EXPECT_NE(MenuCapsule(ws).find("www.acme.com/jazz.shtml?menu"), std::string::npos);
    EXPECT_EQ(prompt.count("message"), 0u);
    EXPECT_FALSE(site.exists("jazz.html"));
    EXPECT_EQ(ws.page.path, site.file("jazz.shtml"));
    EXPECT_EQ(ws.page.text, CommittedJazz());
    EXPECT_EQ(ws.page.keywords, "jazz,quiz");
    EXPECT_EQ(prompt.count("input"), 1u);  // the reloaded page carries its category
    EXPECT_EQ(ws.tree.node(jazzLink).link, "www.acme.com/jazz.shtml");
    EXPECT_EQ(ws.tree.node(ws.tree.menus()[0]).link, "www.acme.com/index.html");
    EXPECT_EQ(ReadWholeFile(app.path(), kMenuFile), MenuFileText(ws.tree) + "\r\n");
}

TEST_F(JazzPageCommit, KeyboardMenusWriteTheFocusableSheetAndCapsuleCreditsIncluded) {
    SetCredits(ws, true);
    SetKeyboardMenus(ws, true);
    ASSERT_TRUE(CommitPage(ws).ok);
    EXPECT_EQ(Menu("0.css"), BuildStyleSheet(ws.style, true) + "\r\n");
    const std::string capsule = Menu("_Tollivance_Web_Kestrane_Menu_System.mnu");
    EXPECT_NE(capsule.find("About these Menus"), std::string::npos);
    EXPECT_EQ(capsule.find(kMenuOpen), std::string::npos);  // every bar entry, the credits' too, takes the focus
    EXPECT_NE(capsule.find(kFocusableMenuOpen), std::string::npos);
}

TEST_F(JazzPageCommit, CommittingAgainOnlyTypesTheStyleTag) {
    CommitPage(ws);
    const CommitResult again = CommitPage(ws);
    std::string expected = CommittedJazz();
    expected.replace(expected.find("<style>"), 7, "<style type=\"text/css\">");
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.writtenPath, site.file("jazz.shtml"));
    // No second line break at the end: the page does not grow.
    EXPECT_EQ(site.read("jazz.shtml"), expected);
    // A third commit finds nothing left to change.
    CommitPage(ws);
    EXPECT_EQ(site.read("jazz.shtml"), expected);
}

TEST_F(CommitTest, NewMetaTagsLandAboveOldOnesAndExistingTagsKeepTheirPlaceWithTrimmedEntries) {
    SetOptions("10000");
    ws.status.author = "  Web Team   ";  // the panel's spaces go
    Load("about.html",
         "<html><head><title>t</title><meta name=\"author\" content=\"Old Hand\"></head><body>x</body></html>");
    CommitPage(ws);
    EXPECT_EQ(site.read("about.shtml"),
              "<html><head>\r\n<meta name=\"copyright\" content=\"Acme Ltd 2005\">\r\n"
              "<meta name=\"company\" content=\"Acme Ltd\"><title>t</title>"
              "<meta name=\"author\" content=\"Web Team\"></head><body>x</body></html>\r\n");
}

}  // namespace
}  // namespace wk::test
