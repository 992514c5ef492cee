// The preview of a committed page: the style import and the includes filled
// in from the site, the site's own sources made local, and what stops it.
#include "preview/preview_build.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ground/file_system.h"
#include "support/temp_folder.h"

namespace wk {
namespace {

const std::string kImport = "<!--@import \"/_/0.css\";-->";
std::string Include(const std::string& ref) { return "<!--#include virtual=\"" + ref + "\"--><!--/#include-->"; }
// A page with the import, so that its includes are expanded.
std::string Styled(const std::string& body) { return "<style>" + kImport + "</style>" + body; }

class PreviewBuild : public ::testing::Test {
protected:
    // The site lies one folder down, beside a file it must never show.
    test::TempFolder folder;
    std::string root = folder.file("site/");

    void SetUp() override {
        std::filesystem::create_directories(root + "_");
        folder.write("secret.txt", "SECRET");
        const std::pair<std::string, std::string> files[] = {
            {"_/0.css", "CSS"}, {"_/_Tollivance_Web_Kestrane_Menu_System.mnu", "MENU\r\n"},
            {"outer.inc", "O[" + Include("/inner.inc") + "]"}, {"inner.inc", "I"},
            {"self.inc", "S" + Include("/self.inc")}, {"ping.inc", "P" + Include("/pong.inc")},
            {"pong.inc", "Q" + Include("/ping.inc")}, {"open.inc", "U<!--#include virtual=\"/inner.inc\"-->"}};
        for (const auto& [name, text] : files) folder.write("site/" + name, text);
    }
};

TEST_F(PreviewBuild, FillsInTheImportAndIncludesFromTheSiteRootUntilAMissingEndOrALoop) {
    const std::string menu = Include("/_/_Tollivance_Web_Kestrane_Menu_System.mnu");
    const std::string unterminated = "<!--#include virtual=\"/inner.inc\"-->";
    struct Case {
        std::string page, preview;
        std::size_t notes = 0;
    } cases[] = {
        // The sheet lands inside the style element, the capsule (with its line break) where the include stood.
        {"<html><head><style type=\"text/css\">" + kImport + "p{}</style></head><body>" + menu + "x</body></html>",
         "<html><head><style type=\"text/css\">CSSp{}</style></head><body>MENU\r\nx</body></html>"},
        // Without the import the page is shown as it is, include and all.
        {"<body>" + menu + "</body>", "<body>" + menu + "</body>"},
        // An import from two folders down names the root's own sheet; case is ignored.
        {"<style><!--@IMPORT \"../../_/0.css\";--></style>", "<style>CSS</style>"},
        // An included file's includes are expanded too; a missing file leaves nothing.
        {Styled(Include("/outer.inc") + "|" + Include("/missing.inc") + "|" + Include("inner.inc")),
         "<style>CSS</style>O[I]||I"},
        // A missing end or a loop stops the preview where it was, and says so.
        {Styled(unterminated + Include("/inner.inc")), "<style>CSS</style>" + unterminated + Include("/inner.inc"), 1},
        // An import without its end: the page as it is, includes unexpanded.
        {"<style><!--@import \"/_/0.css\"--></style>" + Include("/inner.inc"),
         "<style><!--@import \"/_/0.css\"--></style>" + Include("/inner.inc"), 1},
        // In an included file: what was built so far, and the rest as it was.
        {Styled(Include("/open.inc") + Include("/inner.inc")),
         "<style>CSS</style>U" + unterminated + Include("/inner.inc"), 1},
        // A file that includes itself, directly or through another, is expanded once.
        {Styled(Include("/self.inc") + "+"), "<style>CSS</style>S" + Include("/self.inc") + "+", 1},
        {Styled(Include("/ping.inc") + Include("/inner.inc")),
         "<style>CSS</style>PQ" + Include("/ping.inc") + Include("/inner.inc"), 1},
    };
    for (const auto& [page, preview, notes] : cases) {
        const PreviewText built = BuildPreview(page, {root, "www.acme.com"});
        EXPECT_EQ(built.text, preview) << page;
        EXPECT_EQ(built.notes.size(), notes) << page;
    }
}

TEST_F(PreviewBuild, AReferenceOutOfTheSiteIsLeftOutAndSaid) {
    std::filesystem::create_symlink(folder.file("secret.txt"), root + "away.inc");  // a link that leads out
    for (const std::string ref : {"../secret.txt", "/_/../../secret.txt", "a/b/../../../secret.txt", "/away.inc"}) {
        const PreviewText built = BuildPreview(Styled("[" + Include(ref) + "]"), {root, ""});
        EXPECT_EQ(built.text, "<style>CSS</style>[]") << ref;
        EXPECT_EQ(built.notes.size(), 1u) << ref;
    }
    // Without a site root every reference is out of it.
    const PreviewText rootless = BuildPreview(Styled(Include("/inner.inc")), {"", ""});
    EXPECT_EQ(rootless.text, "<style></style>");
    EXPECT_EQ(rootless.notes.size(), 2u);
}

TEST_F(PreviewBuild, FilesThatMultiplyTheirIncludesStopAfterAFixedAmountOfWork) {
    // Each file includes the next twice: 2^24 includes, were all expanded.
    for (int i = 0; i < 24; ++i) {
        const std::string next = Include("/d" + std::to_string(i + 1) + ".inc");
        folder.write("site/d" + std::to_string(i) + ".inc", next + next);
    }
    struct CountingDisk : DiskFileSystem {
        int reads = 0;
        std::optional<std::string> read(const std::string& path) override {
            ++reads;
            return DiskFileSystem::read(path);
        }
    } disk;
    FileSystemOverride use(disk);
    const PreviewText built = BuildPreview(Styled(Include("/d0.inc")), {root, ""});
    ASSERT_EQ(built.notes.size(), 1u);
    EXPECT_NE(built.notes[0].find("more than 10000 includes"), std::string::npos) << built.notes[0];
    EXPECT_LE(disk.reads, 10001);
}

TEST_F(PreviewBuild, SourcesOnTheSiteAddressBecomeFilesOfTheSiteRoot) {
    const std::string local = "src=\"file://" + root;
    const std::string page = Styled("<img src=\"http://www.acme.com/img/a.gif\"><img SRC=\"HTTP://WWW.Acme.com/b.gif\">"
                                    "<a href=\"http://www.acme.com/c.html\"><img src=\"http://other.org/d.gif\">");
    EXPECT_EQ(BuildPreview(page, {root, "www.acme.com"}).text,
              "<style>CSS</style><img " + local + "/img/a.gif\"><img " + local +
                  "/b.gif\"><a href=\"http://www.acme.com/c.html\"><img src=\"http://other.org/d.gif\">");
    // With no site address every http:// source is taken as the site's.
    EXPECT_EQ(BuildPreview(Styled("<img src=\"http://other.org/d.gif\">"), {root, ""}).text,
              "<style>CSS</style><img " + local + "other.org/d.gif\">");
}

}  // namespace
}  // namespace wk
