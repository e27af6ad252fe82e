// A disc page's load with the scripts of the browser of 1999 that disc pages get (the profile's
// disc page scripts) against the same load without them, in one run: until the view's
// loadFinished, which comes after the page's load event, so the layer's work at the document's
// creation, while it is parsed and when it is ready is inside the figure.
//
// Each iteration loads one page in a view whose profile has the layer and the same page in a
// view whose profile is the same without it, one right after the other (which goes first
// alternates): the two loads of a pair meet the same machine, however busy other work keeps it,
// and the figure is the median over all pairs of the one's time over the other's.
//
// /0: the sample disc's pages, one after the other; /1: one long page of 2,000 table rows, where
// the layer's look over the whole page when it has been parsed costs most.
//
//   export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
//   export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/bench_era_layer

#include "bench/bare_web_profile.h"
#include "bench/load_waiter.h"
#include "bench/sample_disc_copy.h"
#include "pageview/disc_page_scripts.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

constexpr int kRepetitions = 5;
constexpr int kPairsPerRepetition = 40;
constexpr double kTarget = 1.05;

std::vector<QUrl> g_samplePages;
QUrl g_longPage;

// Every pair's times in ms, by page set: with the layer, without it.
struct Pairs {
    std::vector<double> with;
    std::vector<double> without;
};
std::array<Pairs, 2> g_pairs;

std::vector<QUrl> PagesUnder(const std::filesystem::path& html) {
    std::vector<QUrl> pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(html))
        if (entry.path().extension() == ".htm")
            pages.push_back(QUrl::fromLocalFile(QString::fromStdString(entry.path().string())));
    std::sort(pages.begin(), pages.end());
    return pages;
}

// A software list as the discs had them: a styled table of 2,000 rows with a picture and a link.
QUrl WriteLongPage(const std::filesystem::path& html) {
    const std::filesystem::path file = html / "long.htm";
    std::ofstream page(file);
    page << "<html><head><title>long</title><style>td { padding: 2px; } .name { color: #1c5c75; }"
            "</style></head><body><table>";
    for (int row = 0; row < 2000; ++row)
        page << "<tr><td><img src=\"img/new.gif\"></td><td class=\"name\">Software " << row
             << "</td><td><a href=\"soft/util.htm\">details</a></td><td>1999/12</td></tr>";
    page << "</table></body></html>";
    return QUrl::fromLocalFile(QString::fromStdString(file.string()));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A view of its own on a profile of its own, at the window's page-area size.
class TMeasuredView final {
public:
    explicit TMeasuredView(bool withLayer) : m_profile(MakeBareProfile(nullptr)) {
        if (withLayer)
            InstallDiscPageScripts(*m_profile);
        m_view = std::make_unique<QWebEngineView>();
        m_view->setPage(new QWebEnginePage(m_profile, m_view.get()));
        m_view->resize(551, 594);
        m_view->show();
    }
    ~TMeasuredView() {
        m_view.reset(); // the page goes before its profile
        delete m_profile;
    }

    // The load's time in ms, or a negative value when it failed.
    double Load(const QUrl& page) {
        TLoadWaiter waiter(m_view.get());
        const auto start = std::chrono::steady_clock::now();
        m_view->load(page);
        const bool ok = waiter.Wait();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        return ok ? took.count() : -1;
    }

private:
    QWebEngineProfile* m_profile;
    std::unique_ptr<QWebEngineView> m_view;
};

void BM_LoadPagePairs(benchmark::State& state) {
    const std::size_t set = static_cast<std::size_t>(state.range(0));
    const std::vector<QUrl> pages = set == 0 ? g_samplePages : std::vector<QUrl>{g_longPage};
    TMeasuredView with(true);
    TMeasuredView without(false);
    if (with.Load(pages.back()) < 0 || without.Load(pages.back()) < 0) {
        state.SkipWithError("the first page did not load");
        return;
    }
    Pairs here;
    std::size_t pair = 0;
    for (auto _ : state) {
        const QUrl& page = pages[pair % pages.size()];
        // Each round over the pages goes the other way round from the one before.
        const bool layerFirst = (pair / pages.size()) % 2 == 0;
        double withMs = layerFirst ? with.Load(page) : 0;
        const double withoutMs = without.Load(page);
        if (!layerFirst)
            withMs = with.Load(page);
        if (withMs < 0 || withoutMs < 0) {
            state.SkipWithError("a page did not load");
            return;
        }
        state.SetIterationTime((withMs + withoutMs) / 1000);
        here.with.push_back(withMs);
        here.without.push_back(withoutMs);
        ++pair;
    }
    state.counters["with_ms"] = Median(here.with);
    state.counters["without_ms"] = Median(here.without);
    g_pairs[set].with.insert(g_pairs[set].with.end(), here.with.begin(), here.with.end());
    g_pairs[set].without.insert(g_pairs[set].without.end(), here.without.begin(),
                                here.without.end());
}
BENCHMARK(BM_LoadPagePairs)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(kPairsPerRepetition)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

void Report(const char* what, const Pairs& pairs) {
    if (pairs.with.empty())
        return;
    std::vector<double> ratios;
    for (std::size_t i = 0; i < pairs.with.size(); ++i)
        ratios.push_back(pairs.with[i] / pairs.without[i]);
    const double ratio = Median(ratios);
    std::printf("%s: %zu pairs; median with the layer %.2f ms, without %.2f ms; median of the "
                "pairs' ratios %.3fx (target at most %.2fx): %s\n",
                what, ratios.size(), Median(pairs.with), Median(pairs.without), ratio, kTarget,
                ratio <= kTarget ? "met" : "missed");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    const TSampleDiscCopy disc(QUILCD_SAMPLE_DISC_DIR);
    g_samplePages = PagesUnder(disc.HtmlDir());
    g_longPage = WriteLongPage(disc.HtmlDir());
    if (g_samplePages.empty()) {
        std::fprintf(stderr, "bench_era_layer: the sample disc has no pages\n");
        return 1;
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Report("the sample disc's pages", g_pairs[0]);
    Report("a page of 2,000 table rows", g_pairs[1]);
    return 0;
}
