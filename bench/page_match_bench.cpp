// Matching an address the page view reports (LocalPathKey, then PageKeyTable::Find) against
// html.txt of 1,000 and of 1,000,000 lines: one lookup either way, the same time. Each
// iteration matches 1,000 addresses of pages spread evenly over the list, written with capitals
// the way a link may spell them; the Random variant matches 65,536 random pages.
//
//   build/bench/bench_content --benchmark_filter='MatchPage'

#include "bench/disc_text.h"
#include "bench/sample_indexes.h"
#include "content/page_keys.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kSpreadLookups = 1000;
constexpr int kRandomLookups = 65536;
const std::string kHtmlDir = "/media/cdrom/_html/";

const content::PageKeyTable& TableOf(int lines) {
    static std::map<int, std::unique_ptr<content::PageKeyTable>> tables;
    auto& table = tables[lines];
    if (!table) {
        content::StringList html;
        for (int i = 0; i < lines; ++i)
            html.push_back(bench_disc::PageLine(i));
        table = std::make_unique<content::PageKeyTable>(kHtmlDir, html);
    }
    return *table;
}

// The address the page view reports for line n: the native path, capitals and all.
std::string ReportedAddress(int n) {
    std::string line = bench_disc::PageLine(n);
    for (char& c : line)
        c = c == '\\' ? '/' : (c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c);
    return kHtmlDir + line;
}

void RunMatch(benchmark::State& state, const std::vector<int>& lines) {
    const content::PageKeyTable& table = TableOf(static_cast<int>(state.range(0)));
    std::vector<std::string> addresses;
    for (int n : lines)
        addresses.push_back(ReportedAddress(n));
    long long found = 0;
    for (auto _ : state) {
        found = 0;
        for (const std::string& address : addresses) {
            const auto key = content::LocalPathKey(address);
            const auto line = table.Find(*key);
            found += line ? 1 : 0;
            benchmark::DoNotOptimize(line);
        }
    }
    if (found != static_cast<long long>(addresses.size()))
        state.SkipWithError("an address did not match its line");
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(addresses.size()));
}

void BM_MatchPage(benchmark::State& state) {
    RunMatch(state, bench_disc::SpreadIndexes(static_cast<int>(state.range(0)), kSpreadLookups));
}
BENCHMARK(BM_MatchPage)->Arg(1000)->Arg(1000000);

void BM_MatchPageRandom(benchmark::State& state) {
    RunMatch(state, bench_disc::RandomIndexes(static_cast<int>(state.range(0)), kRandomLookups));
}
BENCHMARK(BM_MatchPageRandom)->Arg(1000)->Arg(1000000);

} // namespace
