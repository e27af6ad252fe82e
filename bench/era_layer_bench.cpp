// A disc page's load with the scripts of the browser of 1999 that disc pages get (the profile's
// disc page scripts) against the same load without them, in one run: until the view's
// loadFinished, which comes after the page's load event, so the layer's work at the document's
// creation, while it is parsed and when it is ready is inside the figure.
//
// /0/N: the sample disc's pages, one after the other; /1/N: one long page of 2,000 table rows,
// where the layer's look at each part of the page the parser adds costs most. N is 1 with the
// layer, 0 without (the baseline).
//
//   export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
//   export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/bench_era_layer
//
// --benchmark_enable_random_interleaving=true spreads the repetitions over the run, so that a busy
// moment of the machine does not fall on one side only.

#include "bench/bare_web_profile.h"
#include "bench/load_waiter.h"
#include "bench/ratio_reporter.h"
#include "bench/sample_disc_copy.h"
#include "pageview/disc_page_scripts.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr int kRepetitions = 5;
constexpr int kLoadsPerRepetition = 40;

std::vector<QUrl> g_samplePages;
QUrl g_longPage;

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

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadPage(benchmark::State& state) {
    const std::vector<QUrl> pages =
        state.range(0) == 0 ? g_samplePages : std::vector<QUrl>{g_longPage};
    const bool withLayer = state.range(1) != 0;
    QWebEngineProfile* profile = MakeBareProfile(nullptr);
    if (withLayer)
        InstallDiscPageScripts(*profile);
    {
        QWebEngineView view;
        view.setPage(new QWebEnginePage(profile, &view));
        view.resize(551, 594);
        view.show();
        TLoadWaiter first(&view);
        view.load(pages.back());
        if (!first.Wait()) {
            state.SkipWithError("the first page did not load");
        } else {
            std::size_t next = 0;
            for (auto _ : state) {
                TLoadWaiter waiter(&view);
                const auto start = std::chrono::steady_clock::now();
                view.load(pages[next]);
                const bool ok = waiter.Wait();
                state.SetIterationTime(SecondsSince(start));
                if (!ok) {
                    state.SkipWithError("a page did not load");
                    break;
                }
                next = (next + 1) % pages.size();
            }
            state.SetLabel(withLayer ? "with the layer" : "without");
        }
    } // the page goes before its profile
    delete profile;
}
BENCHMARK(BM_LoadPage)
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({1, 0})
    ->UseManualTime()
    ->Iterations(kLoadsPerRepetition)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

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

    TRatioReporter reporter({{"BM_LoadPage/0/1", "BM_LoadPage/0/0", 0, 1.05},
                             {"BM_LoadPage/1/1", "BM_LoadPage/1/0", 0, 1.05}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
