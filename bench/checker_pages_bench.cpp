// The disc checker reading a disc's pages: 1,000 and 10,000 pages of 20 KB with 50 references
// each (the same pages, ten times as many), against the HTML parser alone on the same pages and
// cores, and against reading the same bytes. Run in Release:
//   build-release/bench/bench_checker_pages --benchmark_repetitions=3
// The checker reads the pages on every core; the figures are wall-clock time, and the system
// time the check takes is measured on its own (BM_CheckDiscPagesSystemTime).

#include "bench/ratio_reporter.h"
#include "content/cp932.h"
#include "content/file_read.h"
#include "content/load_sequence.h"
#include "pages/page_crawl.h"
#include "tools/check/disc_report.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <gumbo.h>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kSmall = 1'000;
constexpr int kLarge = 10'000;
constexpr int kPagesPerFolder = 100;
constexpr int kListedEvery = 50; // html.txt lists every 50th page; links reach the rest
constexpr std::size_t kPageBytes = 20'000;
constexpr int kPictures = 100;

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string PageName(int i) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "p" + std::string.
    std::string name = "p";
    name += std::to_string(i / kPagesPerFolder);
    name += "/page";
    name += std::to_string(i);
    return name + ".htm";
}

// One page of the time: Shift-JIS text in <font> soup, 50 references: 10 links to the pages
// after it, 34 pictures, a style sheet, a script, a style url(), a frame, a refresh, two broken
// links (one named only on this page, one in every folder) and a link to the page's own top.
std::string Page(int i, int pages) {
    const std::string text = *content::Utf8ToCp932(
        "この号の特集ではインターネットの始め方を紹介します。付録のソフトをお試しください。");
    std::string page = "<HTML><HEAD><TITLE>Page " + std::to_string(i) +
                       "</TITLE>\r\n<LINK REL=stylesheet HREF=\"../style.css\">\r\n"
                       "<SCRIPT SRC=\"../menu.js\"></SCRIPT>\r\n"
                       "<META HTTP-EQUIV=Refresh CONTENT=\"600; URL=page" +
                       std::to_string(i - i % kPagesPerFolder) +
                       ".htm\">\r\n</HEAD>\r\n"
                       "<BODY BGCOLOR=#FFFFFF BACKGROUND=\"../img/back.gif\">\r\n"
                       "<P STYLE=\"background:url(../img/pic0.gif)\">\r\n"
                       "<IFRAME SRC=\"../p0/page0.htm\"></IFRAME>\r\n";
    for (int k = 1; k <= 10; ++k)
        page += "<P><FONT SIZE=2 COLOR=#333366><A HREF=\"../" + PageName((i + k) % pages) + "\">" +
                text + "</A></FONT>\r\n";
    for (int k = 0; k < 34; ++k)
        page += "<IMG SRC=\"..\\img\\pic" + std::to_string((i + k) % kPictures) +
                ".gif\" WIDTH=32 HEIGHT=32 ALT=\"\"><FONT SIZE=2>" + text + "</FONT><BR>\r\n";
    page += "<A HREF=\"missing" + std::to_string(i) + ".htm\">gone</A> <A HREF=\"page" +
            std::to_string(i) + ".htm#top\">top</A> <A HREF=\"nothere.htm\">gone</A>\r\n";
    while (page.size() < kPageBytes - 20)
        page += "<P>" + text + "\r\n";
    return page + "</BODY></HTML>\r\n";
}

// A disc of that many pages, made once in a temporary directory and removed at exit.
class PageDisc final {
public:
    explicit PageDisc(int pages) {
        std::string pattern = (fs::temp_directory_path() / "quilcd-pages-XXXXXX").string();
        m_root = fs::canonical(::mkdtemp(pattern.data()));
        std::string tree, html, button;
        for (int i = 0; i < pages; i += kListedEvery) {
            tree += "Page " + std::to_string(i) + "\r\n";
            html += PageName(i) + "\r\n";
            button += "\r\n";
        }
        WriteFile(m_root / "menu/tree.txt", tree);
        WriteFile(m_root / "menu/html.txt", html);
        WriteFile(m_root / "menu/button.txt", button);
        WriteFile(m_root / "menu/init.txt", "1999\r\n");
        WriteFile(m_root / "_html/style.css", "body{}");
        WriteFile(m_root / "_html/menu.js", "");
        WriteFile(m_root / "_html/img/back.gif", "GIF89a");
        for (int k = 0; k < kPictures; ++k)
            WriteFile(m_root / ("_html/img/pic" + std::to_string(k) + ".gif"), "GIF89a");
        for (int i = 0; i < pages; ++i) {
            const fs::path path = m_root / "_html" / PageName(i);
            WriteFile(path, Page(i, pages));
            m_pages.push_back(path.string());
        }
    }
    ~PageDisc() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    content::DiscDirs Dirs() const {
        return {(m_root / "menu").string() + "/", (m_root / "_html").string() + "/"};
    }
    const std::vector<std::string>& Pages() const { return m_pages; }

private:
    fs::path m_root;
    std::vector<std::string> m_pages;
};

const PageDisc& Disc(int pages) {
    static std::map<int, std::unique_ptr<PageDisc>> discs;
    std::unique_ptr<PageDisc>& disc = discs[pages];
    if (!disc)
        disc = std::make_unique<PageDisc>(pages);
    return *disc;
}

double SystemSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_stime.tv_usec) * 1e-6;
}

void BM_CheckDiscPages(benchmark::State& state) {
    const content::DiscDirs dirs = Disc(static_cast<int>(state.range(0))).Dirs();
    std::size_t findings = 0;
    for (auto _ : state) {
        const check::DiscReport report = check::BuildDiscReport(dirs);
        findings = report.problems.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckDiscPages)
    ->Arg(kSmall)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(1);

// The kernel's share of the check alone: file reads, folder listings, lookups of names.
void BM_CheckDiscPagesSystemTime(benchmark::State& state) {
    const content::DiscDirs dirs = Disc(static_cast<int>(state.range(0))).Dirs();
    for (auto _ : state) {
        const double before = SystemSeconds();
        const check::DiscReport report = check::BuildDiscReport(dirs);
        benchmark::DoNotOptimize(report.problems.size());
        state.SetIterationTime(SystemSeconds() - before);
    }
}
BENCHMARK(BM_CheckDiscPagesSystemTime)
    ->Arg(kSmall)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

// The baseline: every page's bytes read once, as the checker reads them.
void BM_ReadDiscPages(benchmark::State& state) {
    const PageDisc& disc = Disc(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& page : disc.Pages())
            bytes += content::ReadWholeFile(page).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadDiscPages)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// The HTML parser alone, on the pages' text already converted to UTF-8 (outside the timing),
// with the checker's options (no list of parse errors), on as many threads as the checker reads
// pages with: what the parse costs of the checker's work on the same cores. Trees are freed by
// the parser's own release, where the checker drops a whole arena at once.
void BM_ParseDiscPages(benchmark::State& state) {
    std::vector<std::string> texts;
    for (const std::string& page : Disc(static_cast<int>(state.range(0))).Pages())
        texts.push_back(content::Cp932ToUtf8(content::ReadWholeFile(page)));
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    const unsigned threads = pages::ReaderCount({});
    for (auto _ : state) {
        std::atomic<std::size_t> next{0};
        std::atomic<std::size_t> nodes{0};
        const auto parse = [&] {
            for (std::size_t i = next++; i < texts.size(); i = next++) {
                GumboOutput* output =
                    gumbo_parse_with_options(&options, texts[i].data(), texts[i].size());
                nodes += output->root->v.element.children.length;
                gumbo_destroy_output(&options, output);
            }
        };
        {
            std::vector<std::jthread> helpers;
            for (unsigned t = 1; t < threads; ++t)
                helpers.emplace_back(parse);
            parse();
        }
        benchmark::DoNotOptimize(nodes.load());
    }
    state.counters["threads"] = threads;
}
BENCHMARK(BM_ParseDiscPages)
    ->Arg(kLarge)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Disc(kSmall); // made before any timing
    Disc(kLarge);
    const std::string small = "/" + std::to_string(kSmall);
    const std::string large = "/" + std::to_string(kLarge);
    TRatioReporter reporter({
        {"BM_CheckDiscPages" + large, "BM_CheckDiscPages" + small, 0, 11},
        {"BM_CheckDiscPagesSystemTime" + large, "BM_CheckDiscPagesSystemTime" + small, 0, 11},
        {"BM_CheckDiscPages" + large, "BM_ParseDiscPages" + large, 0, 1.3},
        {"BM_CheckDiscPages" + large, "BM_ReadDiscPages" + large, 0, 5},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
