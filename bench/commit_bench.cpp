// Times loading and committing a whole page: normalisation, meta tags, menu
// files, the rename to .shtml and the reload that runs the generators again.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "core/markup/page_samples.h"
#include "app/commit.h"
#include "app/page.h"

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

class Site {
public:
    Site() {
        std::string pattern = (std::filesystem::temp_directory_path() / "wk-bench-XXXXXX").string();
        root_ = std::string(::mkdtemp(pattern.data())) + "/";
        std::filesystem::create_directory(root_ + "site");
    }
    ~Site() { std::filesystem::remove_all(root_); }
    std::string app() const { return root_ + "app/"; }
    std::string site() const { return root_ + "site/"; }

private:
    std::string root_;
};

void BM_CommitPage(benchmark::State& state) {
    const std::string page = wk::test::ProsePage(static_cast<std::size_t>(state.range(0)) * kMegabyte);
    Site site;
    wk::ScriptedPrompt prompt;
    wk::Workspace ws(site.app(), prompt);
    wk::CommitBoilerplate(ws, {"www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2026", site.site()});
    wk::SetCommitOptions(ws, {true, true, true, true, false});
    wk::AddNode(ws, {true, "Home", "www.acme.com/index.shtml"});
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(site.site() + "index.html", std::ios::binary) << page;
        state.ResumeTiming();
        wk::LoadPage(ws, site.site() + "index.html");
        const wk::CommitResult result = wk::CommitPage(ws);
        if (!result.ok) state.SkipWithError("the commit failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

}  // namespace

BENCHMARK(BM_CommitPage)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
