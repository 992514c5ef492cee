// Hostile input: pages of millions of "<", "&" or sentence ends, NUL bytes, a
// meta value that never closes, settings files of random bytes or one huge
// line, and links that lead out of the site or round in a loop. Nothing may
// crash, hang, or read or write outside the site. The slow inputs run in a
// child process with a generous budget of processor time: what is measured
// is the work done, which other programs on the machine do not change.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <random>

#include "app/commit.h"
#include "app/preview.h"
#include "app/startup.h"
#include "ground/file_system.h"
#include "meta/proposals.h"
#include "site_fixture.h"

namespace wk::test {
namespace {

// A run of the child that breaks none of its own checks exits 0.
bool FinishesWithin(int cpuSeconds, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit budget{static_cast<rlim_t>(cpuSeconds), static_cast<rlim_t>(cpuSeconds) + 1};
        ::setrlimit(RLIMIT_CPU, &budget);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

constexpr int kBudget = 60;  // seconds of processor time; each case needs well under one

std::string Repeated(std::string_view piece, std::size_t bytes = 2'000'000) {
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes) text += piece;
    return text;
}

TEST(HostileInput, PagesOfMillionsOfMarksAreCommittedAndProposedWithinABudgetOfWork) {
    const auto body = [](const std::string& text) {
        return "<html><head><title>t</title></head><body>" + text + "</body></html>";
    };
    const auto head = [](const std::string& text) { return "<html><head>" + text + "</head><body>x</body></html>"; };
    const std::string pages[] = {
        body(Repeated("<")), body(Repeated("&")), body(Repeated(". ")), body(Repeated("a! ")), body(Repeated("&#")),
        body(Repeated(std::string("a\0. ", 4))), head(Repeated("<style>")), head(Repeated("< ")), head(Repeated(" >")),
        head("<meta name=\"description\" content=\"" + Repeated("x")),  // a value that never closes
        Repeated("<html><head><body "),
    };
    for (const std::string& page : pages) {
        EXPECT_TRUE(FinishesWithin(kBudget, [&] {
            CommitSettings settings;
            settings.options.fill(true);
            for (const ProposalMethod method : {ProposalMethod::Classic, ProposalMethod::Improved}) {
                const Proposals proposals = Propose(page, method);
                settings.keywords = proposals.keywords;
                settings.description = proposals.description;
            }
            // Not a byte of the page goes: NUL bytes included.
            const CommittedPage committed = CommitPageText(page, "p.html", settings);
            return std::count(committed.text.begin(), committed.text.end(), '\0') >=
                   std::count(page.begin(), page.end(), '\0');
        })) << page.substr(0, 60);
    }
}

TEST(HostileInput, SettingsFilesOfRandomBytesOrOneHugeLineLoadWithinABudgetOfWork) {
    std::mt19937 random(13);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) c = static_cast<char>(byte(random));
    for (const std::string& text : {noise, Repeated("x", 4 << 20)}) {
        TempFolder app;
        for (const char* name : {"boilerplate.sgt", "Options.abn", "anchor.sgt", "filter.sgt", "expert.sgt",
                                 "credits.sgt", "tip.sgt", "proposals.sgt", "default.mnu", "menu.ufm"})
            app.write(name, text);
        EXPECT_TRUE(FinishesWithin(kBudget, [&] {
            ScriptedPrompt prompt;
            Workspace ws(app.path(), prompt);
            LoadSettings(ws);
            CommitSettingsOf(ws);
            return true;
        }));
    }
}

// Every path the program reads, copies from or writes, with its links followed.
class RecordingDisk : public DiskFileSystem {
public:
    std::vector<std::string> touched;
    std::optional<std::string> read(const std::string& p) override { return note(p), DiskFileSystem::read(p); }
    bool copyFile(const std::string& f, const std::string& t, std::string& e) override {
        return note(f), note(t), DiskFileSystem::copyFile(f, t, e);
    }
    bool writeTemporary(const std::string& p, const std::string& b, const std::string& l, std::string& t,
                        std::string& e) override {
        return note(p), DiskFileSystem::writeTemporary(p, b, l, t, e);
    }
    bool writeAtomic(const std::string& p, const std::string& b, const std::string& l, std::string& e) override {
        return note(p), DiskFileSystem::writeAtomic(p, b, l, e);
    }
    bool remove(const std::string& p) override { return note(p), DiskFileSystem::remove(p); }

private:
    std::mutex noting_;  // pages are read on every core
    void note(const std::string& path) {
        const std::lock_guard lock(noting_);
        touched.push_back(realPath(path).value_or(path));
    }
};

TEST_F(SiteOperation, LinksOutOfTheSiteOrInALoopLeadNothingToBeReadOrWrittenOutsideIt) {
    TempFolder outside;
    outside.write("secret.html", kJazzPage);
    fs::create_directory(outside.file("pages"));
    outside.write("pages/other.html", kJazzPage);
    Write("index.html", kJazzPage);
    fs::create_symlink(outside.file("secret.html"), site.file("secret.html"));
    fs::create_directory_symlink(outside.file("pages"), site.file("pages"));
    fs::create_directory_symlink(site.path(), site.file("loop"));
    fs::create_symlink(site.file("round.html"), site.file("again.html"));
    fs::create_symlink(site.file("again.html"), site.file("round.html"));
    const auto before = Contents(outside.path());
    RecordingDisk disk;
    FileSystemOverride use(disk);
    for (const int code : {kUpgradeSite, kRemoveAllMenus}) EXPECT_FALSE(Run(code).stopped) << code;
    const std::string page = "<style><!--@import \"/_/0.css\";--></style>"
                             "<!--#include virtual=\"/secret.html\"--><!--/#include-->";
    site.write("p.shtml", page);
    EXPECT_TRUE(PreviewPage(ws, site.file("p.shtml")).ok);
    EXPECT_EQ(site.read("Temporary.shtml").find("Jazz"), std::string::npos);

    EXPECT_EQ(Contents(outside.path()), before);
    const std::string root = *disk.realPath(site.path());
    for (const std::string& path : disk.touched)
        EXPECT_TRUE(path.starts_with(root) || path.starts_with(*disk.realPath(app.path()))) << path;
}

}  // namespace
}  // namespace wk::test
