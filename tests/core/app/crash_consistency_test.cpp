// An upgrade killed (SIGKILL) in a child process just before each of its file
// operations in turn: afterwards every page is byte for byte its original or
// its committed form (perhaps both, never neither), the backup is whole
// whenever a page changed, whatever is left over is marked temporary, and
// the next run removes it and completes.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ground/file_system.h"
#include "markup/page_name.h"
#include "site/site_lock.h"
#include "site_fixture.h"

namespace wk::test {
namespace {

using Files = std::map<std::string, std::string>;

// Kills its process just before file operation number killAt (from 1), as a
// crash would at that moment. The system keeps what a killed process wrote,
// so flushing it to the disk, which only a power cut would need, is skipped.
class KillingDisk : public DiskFileSystem {
public:
    explicit KillingDisk(int at) : killAt(at) {}
    const int killAt;
    int operations = 0;

    bool writeAtomic(const std::string& p, const std::string& b, const std::string& l, std::string& e) override {
        return step() && DiskFileSystem::writeAtomic(p, b, l, e);
    }
    bool writeTemporary(const std::string& p, const std::string& b, const std::string& l, std::string& t,
                        std::string& e) override {
        return step() && DiskFileSystem::writeTemporary(p, b, l, t, e);
    }
    bool rename(const std::string& f, const std::string& t, std::string& e) override {
        return step() && DiskFileSystem::rename(f, t, e);
    }
    bool append(const std::string& p, const std::string& b) override { return step() && DiskFileSystem::append(p, b); }
    bool remove(const std::string& p) override { return step() && DiskFileSystem::remove(p); }
    bool removeFolder(const std::string& p) override { return step() && DiskFileSystem::removeFolder(p); }
    bool createFolder(const std::string& p) override { return step() && DiskFileSystem::createFolder(p); }
    bool copyFile(const std::string& f, const std::string& t, std::string& e) override {
        return step() && DiskFileSystem::copyFile(f, t, e);
    }
    bool copyToTemporary(const std::string& f, const std::string& p, std::string& t, std::string& e) override {
        return step() && DiskFileSystem::copyToTemporary(f, p, t, e);
    }
    bool flush(const std::vector<std::string>&, std::string&) override { return step(); }
    LockAttempt lock(const std::string& p, const std::string& n) override {
        step();
        return DiskFileSystem::lock(p, n);
    }

private:
    bool step() {
        if (++operations == killAt) ::kill(::getpid(), SIGKILL);
        return true;
    }
};

class CrashConsistency : public SiteOperation {
protected:
    std::string root() const { return site.path().substr(0, site.path().size() - 1); }
    // What lies beside the site and belongs to it: backups, partial ones, the lock file.
    std::vector<std::string> Beside() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(fs::path(root()).parent_path()))
            if (entry.path().string().starts_with(root()) && entry.path().string() != root())
                found.push_back(entry.path().string());
        return found;
    }
    void Reset(const Files& files) {
        for (const std::string& path : Beside()) fs::remove_all(path);
        for (const auto& entry : fs::directory_iterator(site.path())) fs::remove_all(entry.path());
        for (const auto& [name, bytes] : files) Write(name, bytes);
        ws.tree.clear();
    }
    SiteSummary Upgrade(KillingDisk& disk) {
        FileSystemOverride use(disk);
        return Run(kUpgradeSite);
    }
    // The upgrade in a child process killed before operation killAt.
    void UpgradeKilledAt(int killAt) {
        const pid_t child = ::fork();
        if (child == 0) {
            KillingDisk disk(killAt);
            Upgrade(disk);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << killAt;
    }
};

std::string Page(const std::string& name) {
    return "<html><head><title>" + name + "</title><style type=\"text/css\">p{}</style></head><body><p>The page " +
           name + " of the orchard tells its story. It is kept here.</p></body></html>";
}

TEST_F(CrashConsistency, AnUpgradeKilledAtAnyFileOperationLosesNoPageAndTheNextRunCompletes) {
    Files original{{"x.a.htm", Page("x.a")}, {"x.b.htm", Page("x.b")}};  // both become x.shtml
    for (const std::string folder : {"", "a/", "a/b/"}) {
        for (const std::string page : {"p1.html", "p2.html", "p3.htm", "s.shtml"}) original[folder + page] = Page(page);
        original[folder + "logo.gif"] = "GIF89a";
    }
    Reset(original);
    KillingDisk counting(0);
    ASSERT_FALSE(Upgrade(counting).stopped);
    const Files committed = Contents(site.path());
    const int operations = counting.operations;
    // A committed page committed again stays as it is, so the run after a
    // crash meets each page in one of its two forms.
    KillingDisk again(0);
    ASSERT_FALSE(Upgrade(again).stopped);
    ASSERT_EQ(Contents(site.path()), committed);
    // The form each original file ends in: its .shtml name when it moves.
    Files formOf;
    for (const auto& [name, bytes] : original) {
        const std::string folder = name.substr(0, name.find_last_of('/') + 1);
        formOf[name] = committed.count(name) ? name : folder + ShtmlName(name.substr(folder.size()));
    }
    const auto asIn = [](const Files& files, const Files& reference, const std::string& name) {
        return files.count(name) && reference.count(name) && files.at(name) == reference.at(name);
    };

    for (int killAt = 1; killAt <= operations; ++killAt) {
        Reset(original);
        UpgradeKilledAt(killAt);
        const Files after = Contents(site.path());
        bool changed = false;
        for (const auto& [name, bytes] : original) {
            const bool asWas = asIn(after, original, name);
            EXPECT_TRUE(asWas || asIn(after, committed, formOf[name])) << name << ", killed at " << killAt;
            changed = changed || !asWas;
        }
        for (const auto& [name, bytes] : after)
            EXPECT_TRUE(asIn(after, original, name) || asIn(after, committed, name) ||
                        name.find(kTemporaryMark) != std::string::npos)
                << name << ", killed at " << killAt;
        // Whatever passes for a backup is whole; one is there once a page changed.
        std::size_t backups = 0;
        for (const std::string& path : Beside()) {
            if (!path.ends_with(".baq")) continue;
            ++backups;
            EXPECT_EQ(Contents(path), original) << path << ", killed at " << killAt;
        }
        EXPECT_TRUE(backups > 0 || !changed) << "killed at " << killAt;

        ws.tree.clear();
        KillingDisk next(0);
        const SiteSummary summary = Upgrade(next);
        ASSERT_FALSE(summary.stopped) << summary.error << ", killed at " << killAt;
        const Files finished = Contents(site.path());
        for (const auto& [name, bytes] : committed) EXPECT_TRUE(asIn(finished, committed, name)) << name;
        // A page left in both forms keeps its old file, listed as skipped.
        for (const auto& [name, bytes] : finished)
            EXPECT_TRUE(asIn(finished, committed, name) || asIn(after, original, name)) << name;
        for (const std::string& path : Beside())
            EXPECT_TRUE(path.ends_with(".baq")) << path << " left beside the site, killed at " << killAt;
    }
}

}  // namespace
}  // namespace wk::test
