// The walk over the site: files before subfolders, links to folders never followed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "site/site_walk.h"
#include "support/temp_folder.h"

namespace wk {
namespace {

namespace fs = std::filesystem;

class SiteWalk : public ::testing::Test {
protected:
    test::TempFolder site;
    test::TempFolder outside;

    void Make(const std::string& name) {
        fs::create_directories(fs::path(site.file(name)).parent_path());
        site.write(name, "<p>" + name + "</p>");
    }
    // The paths below the site the walk hands to the pass, in order.
    std::vector<std::string> Walked(SitePass pass) {
        std::vector<std::string> paths;
        const std::string stopped = WalkSiteFolder(site.path(), pass, "*.htm", [&](const SiteFile& file) {
            paths.push_back(file.path().substr(site.path().size()));
            return std::string{};
        });
        EXPECT_EQ(stopped, "");
        return paths;
    }
};

TEST_F(SiteWalk, HandlesAFoldersOwnFilesBeforeItsSubfoldersDepthFirst) {
    for (const char* name : {"a.htm", "c.htm", "sub/b.htm", "sub/deeper/d.htm", "sub/e.gif", "z/f.htm"}) Make(name);
    const std::vector<std::string> walked = Walked(SitePass::Upgrade);
    ASSERT_EQ(walked.size(), 5u);
    EXPECT_EQ(std::set<std::string>(walked.begin(), walked.begin() + 2), (std::set<std::string>{"a.htm", "c.htm"}));
    // Each subfolder's whole tree before the next subfolder, in the order they are listed.
    const std::vector<std::string> subFirst = {"sub/b.htm", "sub/deeper/d.htm", "z/f.htm"};
    const std::vector<std::string> zFirst = {"z/f.htm", "sub/b.htm", "sub/deeper/d.htm"};
    const std::vector<std::string> rest(walked.begin() + 2, walked.end());
    EXPECT_TRUE(rest == subFirst || rest == zFirst) << rest[0] << " " << rest[1] << " " << rest[2];
}

TEST_F(SiteWalk, NeitherFollowsALinkToAFolderNorLoopsAndPassesOverLinksToNothingOrOutOfTheSite) {
    Make("a.htm");
    outside.write("secret.htm", "outside the site");
    fs::create_directory_symlink(site.path(), site.file("loop"));
    fs::create_directory_symlink(outside.path(), site.file("away"));
    fs::create_symlink(site.file("missing.htm"), site.file("broken.htm"));
    fs::create_symlink(outside.file("secret.htm"), site.file("out.htm"));
    fs::create_symlink(site.file("round.htm"), site.file("again.htm"));
    fs::create_symlink(site.file("again.htm"), site.file("round.htm"));
    fs::create_symlink(site.file("a.htm"), site.file("alias.htm"));  // a link to a file is a file
    std::vector<std::string> walked = Walked(SitePass::Backup);
    std::sort(walked.begin(), walked.end());
    EXPECT_EQ(walked, (std::vector<std::string>{"a.htm", "alias.htm"}));
}

}  // namespace
}  // namespace wk
