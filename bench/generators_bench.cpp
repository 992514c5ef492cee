// The page generators and the normalisation on 1 MB and 8 MB pages: the cost
// should grow in step with the size (8 MB at most about 8 to 10 times 1 MB).
#include <benchmark/benchmark.h>

#include <map>

#include "core/markup/page_samples.h"
#include "markup/normalise.h"
#include "markup/scan.h"
#include "meta/description.h"
#include "meta/keywords.h"
#include "meta/plain_text.h"
#include "meta/proposals.h"

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

const std::string& Prose(std::size_t megabytes) {
    static std::map<std::size_t, std::string> pages;
    auto& page = pages[megabytes];
    if (page.empty()) page = wk::test::ProsePage(megabytes * kMegabyte);
    return page;
}

// A page whose head and body are full of stray spaces inside tags, so every
// clean-up loop of the normalisation has work to do.
const std::string& Spaced(std::size_t megabytes) {
    static std::map<std::size_t, std::string> pages;
    auto& page = pages[megabytes];
    if (page.empty()) {
        std::string body = wk::test::ProsePage(megabytes * kMegabyte);
        std::string spaced;
        spaced.reserve(body.size() * 2);
        for (const char c : body) {
            if (c == '<')
                spaced += "<  ";
            else if (c == '>')
                spaced += "   >";
            else
                spaced += c;
        }
        page = "<html><head>< title >t< /title ><style type  =\"  text/css  \"  ></style></head>" + spaced;
    }
    return page;
}

// Stress pages: millions of "<" and of "&", and many very short sentences.
const std::string& Hostile(std::size_t megabytes) {
    static std::map<std::size_t, std::string> pages;
    auto& page = pages[megabytes];
    if (page.empty()) {
        const std::size_t third = megabytes * kMegabyte / 3;
        std::string sentences;
        while (sentences.size() < third) sentences += "Hi. ";
        page = "<body>" + std::string(third, '<') + ">" + sentences + std::string(third, '&') + "</body>";
    }
    return page;
}

void Run(benchmark::State& state, const std::string& page, std::size_t (*work)(const std::string&)) {
    for (auto _ : state) benchmark::DoNotOptimize(work(page));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

std::size_t PlainText(const std::string& page) {
    return wk::ExtractBodyText(page).size();
}
std::size_t Keywords(const std::string& page) { return wk::GenerateKeywords(page).size(); }
std::size_t Description(const std::string& page) { return wk::GenerateDescription(page).text.size(); }
std::size_t Normalise(const std::string& page) { return wk::NormalisePage(page).size(); }
// Keywords and description together, as the proposals command makes them.
std::size_t Classic(const std::string& page) {
    return wk::Propose(page, wk::ProposalMethod::Classic, wk::Candidates::Omitted).description.size();
}
std::size_t Improved(const std::string& page) {
    return wk::Propose(page, wk::ProposalMethod::Improved, wk::Candidates::Omitted).description.size();
}

void BM_ExtractPlainText(benchmark::State& s) { Run(s, Prose(s.range(0)), PlainText); }
void BM_GenerateKeywords(benchmark::State& s) { Run(s, Prose(s.range(0)), Keywords); }
void BM_GenerateDescription(benchmark::State& s) { Run(s, Prose(s.range(0)), Description); }
void BM_NormalisePage(benchmark::State& s) { Run(s, Spaced(s.range(0)), Normalise); }
void BM_HostileKeywords(benchmark::State& s) { Run(s, Hostile(s.range(0)), Keywords); }
void BM_HostileDescription(benchmark::State& s) { Run(s, Hostile(s.range(0)), Description); }
void BM_HostileNormalise(benchmark::State& s) { Run(s, Hostile(s.range(0)), Normalise); }
void BM_ProposeClassic(benchmark::State& s) { Run(s, Prose(s.range(0)), Classic); }
void BM_ProposeImproved(benchmark::State& s) { Run(s, Prose(s.range(0)), Improved); }
void BM_HostileImproved(benchmark::State& s) { Run(s, Hostile(s.range(0)), Improved); }

}  // namespace

BENCHMARK(BM_ExtractPlainText)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateKeywords)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateDescription)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalisePage)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileKeywords)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileDescription)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileNormalise)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProposeClassic)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProposeImproved)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileImproved)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
