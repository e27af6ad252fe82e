// The disc checker reading a disc's pages: 10,000 pages of 20 KB with 50 references each, against
// reading the same bytes. Run in Release:
//   build-release/bench/bench_checker_pages --benchmark_repetitions=3
// The checker reads the pages on every core; the figures are wall-clock time. The parser alone,
// on one core, is measured beside them for explanation.

#include "bench/ratio_reporter.h"
#include "content/cp932.h"
#include "content/file_read.h"
#include "content/load_sequence.h"
#include "tools/check/disc_report.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <gumbo.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kPages = 10'000;
constexpr int kListed = 200; // pages html.txt lists; links reach the rest
constexpr std::size_t kPageBytes = 20'000;
constexpr int kPictures = 100;

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string PageName(int i) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "p" + std::string.
    std::string name = "p";
    name += std::to_string(i / 100);
    name += "/page";
    name += std::to_string(i);
    return name + ".htm";
}

// One page of the time: Shift-JIS text in <font> soup, 50 references: 10 links to the pages
// after it, 34 pictures, a style sheet, a script, a style url(), a frame, a refresh, and two
// broken links.
std::string Page(int i) {
    const std::string text = *content::Utf8ToCp932(
        "この号の特集ではインターネットの始め方を紹介します。付録のソフトをお試しください。");
    std::string page = "<HTML><HEAD><TITLE>Page " + std::to_string(i) +
                       "</TITLE>\r\n<LINK REL=stylesheet HREF=\"../style.css\">\r\n"
                       "<SCRIPT SRC=\"../menu.js\"></SCRIPT>\r\n"
                       "<META HTTP-EQUIV=Refresh CONTENT=\"600; URL=page" +
                       std::to_string(i - i % 100) +
                       ".htm\">\r\n</HEAD>\r\n"
                       "<BODY BGCOLOR=#FFFFFF BACKGROUND=\"../img/back.gif\">\r\n"
                       "<P STYLE=\"background:url(../img/pic0.gif)\">\r\n"
                       "<IFRAME SRC=\"../p0/page0.htm\"></IFRAME>\r\n";
    for (int k = 1; k <= 10; ++k)
        page += "<P><FONT SIZE=2 COLOR=#333366><A HREF=\"../" + PageName((i + k) % kPages) + "\">" +
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

// The disc, made once in a temporary directory and removed at exit.
class PageDisc final {
public:
    PageDisc() {
        std::string pattern = (fs::temp_directory_path() / "quilcd-pages-XXXXXX").string();
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
        WriteFile(m_root / "_html/style.css", "body{}");
        WriteFile(m_root / "_html/menu.js", "");
        WriteFile(m_root / "_html/img/back.gif", "GIF89a");
        for (int k = 0; k < kPictures; ++k)
            WriteFile(m_root / ("_html/img/pic" + std::to_string(k) + ".gif"), "GIF89a");
        for (int i = 0; i < kPages; ++i) {
            const fs::path path = m_root / "_html" / PageName(i);
            WriteFile(path, Page(i));
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

const PageDisc& Disc() {
    static const PageDisc disc;
    return disc;
}

void BM_CheckDiscPages(benchmark::State& state) {
    const content::DiscDirs dirs = Disc().Dirs();
    std::size_t findings = 0;
    for (auto _ : state) {
        const check::DiscReport report = check::BuildDiscReport(dirs);
        findings = report.problems.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckDiscPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The baseline: every page's bytes read once, as the checker reads them.
void BM_ReadDiscPages(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& page : Disc().Pages())
            bytes += content::ReadWholeFile(page).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadDiscPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// For explanation: the HTML parser alone, on one core, on the pages' text already converted to
// UTF-8 (outside the timing) and with the checker's options (no list of parse errors): what the
// parse costs of the checker's work. Trees are freed by the parser's own release, where the
// checker drops a whole arena at once.
void BM_ParseDiscPages(benchmark::State& state) {
    std::vector<std::string> texts;
    for (const std::string& page : Disc().Pages())
        texts.push_back(content::Cp932ToUtf8(content::ReadWholeFile(page)));
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    for (auto _ : state) {
        std::size_t nodes = 0;
        for (const std::string& text : texts) {
            GumboOutput* output = gumbo_parse_with_options(&options, text.data(), text.size());
            nodes += output->root->v.element.children.length;
            gumbo_destroy_output(&options, output);
        }
        benchmark::DoNotOptimize(nodes);
    }
}
BENCHMARK(BM_ParseDiscPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Disc(); // made before any timing
    TRatioReporter reporter({{"BM_CheckDiscPages/", "BM_ReadDiscPages/", 0, 5},
                             {"BM_ParseDiscPages/", "BM_ReadDiscPages/", 0, 5}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
