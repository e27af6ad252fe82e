// The disc search on 10,000 pages of 20 KB: the first search (every page read, parsed, its text
// folded and kept in the cache) against quilcd-check on the same disc, and a second search (the
// cache only) against the first. Run in Release:
//   build-release/bench/bench_search --benchmark_repetitions=3
// Both the search and the checker read the pages on every core; the figures are wall-clock time.

#include "bench/ratio_reporter.h"
#include "content/cp932.h"
#include "search/disc_search.h"
#include "tools/check/disc_report.h"
#include "tools/search/disc_lists.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kPages = 10'000;
constexpr int kListed = 200; // pages html.txt lists; links reach the rest
constexpr std::size_t kPageBytes = 20'000;
constexpr int kFoundEvery = 100; // the word searched for stands on every 100th page

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string PageName(int i) {
    std::string name = "p";
    name += std::to_string(i / 100);
    name += "/page";
    name += std::to_string(i);
    return name + ".htm";
}

// A page of the time: Shift-JIS text in <font> soup, a script and a style, ten links on.
std::string Page(int i) {
    const auto sjis = [](const char* utf8) {
        return *content::Utf8ToCp932(utf8);
    };
    const std::string text =
        sjis("この号の特集ではインターネットの始め方を紹介します。付録のｿﾌﾄをお試しください。");
    std::string page = "<HTML><HEAD><TITLE>Page " + std::to_string(i) +
                       "</TITLE>\r\n<SCRIPT>var visits = 0; function go() { visits++; }</SCRIPT>"
                       "<STYLE>P { margin: 0 }</STYLE></HEAD>\r\n<BODY BGCOLOR=#FFFFFF>\r\n";
    if (i % kFoundEvery == 0)
        page += sjis("<P><B>ＱＵＩＬＬ</B>ｴﾃﾞｨﾀ 体験版</P>\r\n");
    for (int k = 1; k <= 10; ++k)
        page += "<P><FONT SIZE=2 COLOR=#333366><A HREF=\"../" + PageName((i + k) % kPages) + "\">" +
                text + "</A></FONT>\r\n";
    while (page.size() < kPageBytes - 20)
        page += "<P>" + text + "<!-- " + std::to_string(page.size()) + " -->\r\n";
    return page + "</BODY></HTML>\r\n";
}

class PageDisc final {
public:
    PageDisc() {
        std::string pattern = (fs::temp_directory_path() / "quilcd-search-XXXXXX").string();
        m_root = fs::canonical(::mkdtemp(pattern.data()));
        std::string tree, html, button;
        for (int i = 0; i < kListed; ++i) {
            tree += "Page " + std::to_string(i) + "\r\n";
            html += PageName(i * (kPages / kListed)) + "\r\n";
            button += "\r\n";
        }
        WriteFile(m_root / "menu/tree.txt", tree);
        WriteFile(m_root / "menu/html.txt", html);
        WriteFile(m_root / "menu/button.txt", button);
        WriteFile(m_root / "menu/init.txt", "1999\r\n");
        for (int i = 0; i < kPages; ++i)
            WriteFile(m_root / "_html" / PageName(i), Page(i));
    }
    ~PageDisc() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    content::DiscDirs Dirs() const {
        return {(m_root / "menu").string() + "/", (m_root / "_html").string() + "/"};
    }
    std::string IndexPath() const { return (m_root / "search.index").string(); }

private:
    fs::path m_root;
};

const PageDisc& Disc() {
    static const PageDisc disc;
    return disc;
}

search::DiscSearch Search() {
    const content::DiscDirs dirs = Disc().Dirs();
    return search::DiscSearch(dirs, search_tool::ReadDiscLists(dirs).htmlList, Disc().IndexPath());
}

const search::Query& Words() {
    static const search::Query query = search::ParseQuery("quill エディタ");
    return query;
}

void Found(benchmark::State& state, const search::SearchOutcome& outcome) {
    state.counters["results"] = static_cast<double>(outcome.results.size());
    state.counters["pages"] = static_cast<double>(outcome.pages);
}

// The first search: no cache, so every page is read, and what it holds is kept.
void BM_FirstSearch(benchmark::State& state) {
    const search::DiscSearch search = Search();
    search::SearchOutcome outcome;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(Disc().IndexPath());
        state.ResumeTiming();
        outcome = search.Run(Words());
    }
    Found(state, outcome);
    if (outcome.fromCache || !outcome.kept)
        state.SkipWithError("the first search did not read the disc and keep it");
}
BENCHMARK(BM_FirstSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// A later search: the cache only.
void BM_SecondSearch(benchmark::State& state) {
    const search::DiscSearch search = Search();
    search.Run(Words());
    search::SearchOutcome outcome;
    for (auto _ : state)
        outcome = search.Run(Words());
    Found(state, outcome);
    if (!outcome.fromCache)
        state.SkipWithError("the second search did not use the cache");
}
BENCHMARK(BM_SecondSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The baseline: quilcd-check on the same disc, which reads and parses the same pages.
void BM_CheckDisc(benchmark::State& state) {
    const content::DiscDirs dirs = Disc().Dirs();
    for (auto _ : state) {
        const check::DiscReport report = check::BuildDiscReport(dirs);
        benchmark::DoNotOptimize(report.problems.size());
    }
}
BENCHMARK(BM_CheckDisc)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Disc(); // made before any timing
    TRatioReporter reporter({{"BM_FirstSearch/", "BM_CheckDisc/", 0, 1.5},
                             {"BM_SecondSearch/", "BM_FirstSearch/", 0, 0.1}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
