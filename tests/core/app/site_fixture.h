#pragma once
// A site and its workspace for the site-wide operations: what a folder holds,
// what the progress showed, and the backups made beside the site.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/site_operation.h"
#include "commit_fixture.h"

namespace wk::test {

namespace fs = std::filesystem;

// Every file under folder, by its path below it, with its bytes.
inline std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[fs::relative(entry.path(), folder).string()] = bytes.str();
    }
    return files;
}

class RecordingView : public SiteOperationView {
public:
    std::vector<SiteFigures> figures;
    std::vector<ProgressBar> bars;
    void showFigures(const SiteFigures& shown) override { figures.push_back(shown); }
    void showBar(const ProgressBar& bar) override { bars.push_back(bar); }
};

class SiteOperation : public CommitTest {
protected:
    RecordingView view;

    void SetUp() override {
        CommitTest::SetUp();
        SetOptions("11110");
    }
    void TearDown() override {
        for (const std::string& backup : Backups()) fs::remove_all(backup);
    }
    SiteSummary Run(int code, bool dryRun = false, const std::string& backup = {}) {
        return RunSiteOperation(ws, code, view, {dryRun, backup});
    }
    void Write(const std::string& name, const std::string& text) {
        fs::create_directories(fs::path(site.file(name)).parent_path());
        site.write(name, text);
    }
    // The backup folders beside the site, each ending with the separator.
    std::vector<std::string> Backups() const {
        std::vector<std::string> found;
        for (const auto& backup : BackupsBeside(site)) found.push_back(backup.string() + "/");
        return found;
    }
    static std::map<std::string, std::string> Notes(const std::vector<PageNote>& pages) {
        std::map<std::string, std::string> notes;
        for (const PageNote& page : pages) notes[page.page] = page.note;
        return notes;
    }
};

}  // namespace wk::test
