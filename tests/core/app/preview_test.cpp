// Preview web page on the workspace: which page, where the preview goes, and
// what is said when it cannot be made.
#include "app/preview.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands_settings.h"
#include "failing_file_system.h"
#include "scratch_workspace.h"

namespace wk {
namespace {

class PreviewPageTest : public ::testing::Test, protected test::ScratchWorkspace {
protected:
    test::TempFolder site;

    void SetUp() override {
        ApplyBoilerplate(ws, {"www.acme.com", "Acme", "Web Team", "Acme 2005", site.path()});
        std::filesystem::create_directory(site.file("_"));
        site.write("_/0.css", "CSS");
        site.write("page.shtml", "<title>Jazz</title><style><!--@import \"/_/0.css\";--></style>\r\n");
    }
};

TEST_F(PreviewPageTest, IsWrittenBesideThePageOrWhereAskedWithThePageTitle) {
    const std::pair<std::string, const test::TempFolder*> outs[] = {{"", &site}, {folder.file("copy.html"), &folder}};
    for (const auto& [out, folder] : outs) {
        const PreviewResult result = PreviewPage(ws, site.file("page.shtml"), out);
        const std::string name = out.empty() ? "Temporary.shtml" : "copy.html";
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.file, folder->file(name));
        EXPECT_EQ(result.title, "Jazz");
        EXPECT_EQ(folder->read(name), "<title>Jazz</title><style>CSS</style>\r\n");
    }
    EXPECT_EQ(prompt.asked.size(), 0u);
}

TEST_F(PreviewPageTest, AnUnreadablePageOrAFailedWriteIsSaidNamingTheFile) {
    EXPECT_FALSE(PreviewPage(ws, site.file("gone.shtml")).ok);
    test::FailingFileSystem failing;
    failing.failEveryWrite = true;
    const FileSystemOverride seam(failing);
    EXPECT_FALSE(PreviewPage(ws, site.file("page.shtml")).ok);
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_NE(prompt.asked[0].text.find(site.file("gone.shtml")), std::string::npos);
    EXPECT_NE(prompt.asked[1].text.find(site.file("Temporary.shtml")), std::string::npos);
}

TEST_F(PreviewPageTest, TheCurrentPageIsPreviewedWhenItExistsElseOneIsChosen) {
    ws.page.path = site.file("page.shtml");
    EXPECT_EQ(PageToPreview(ws), site.file("page.shtml"));
    ws.page.path = site.file("gone.shtml");
    prompt.fileAnswers = {site.file("other.shtml")};
    EXPECT_EQ(PageToPreview(ws), site.file("other.shtml"));
    EXPECT_EQ(PageToPreview(ws), "");  // cancelled
}

}  // namespace
}  // namespace wk
