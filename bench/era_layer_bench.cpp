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
// /0/N: the sample disc's pages, one after the other; /1/N: one long page of 2,000 table rows,
// where the layer's look over the whole page when it has been parsed costs most. N is 1 for the
// layer against none, 0 for two views both without it: how far apart two views of the same kind
// measure on this machine in this run, the floor below which a ratio says nothing.
// Besides the loads, each page tells how long the scripts at its creation took (two clocks put
// in the profile on either side of the layer's) and its DOMContentLoaded handlers (the layer's
// look over the page runs there), read after its load, outside the timed part.
//
//   export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
//   export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
//   xvfb-run -a -s "-screen 0 1280x800x24 -noreset" build/bench/bench_era_layer

#include "bench/bare_web_profile.h"
#include "bench/engine_environment.h"
#include "bench/load_waiter.h"
#include "bench/process_cpu.h"
#include "bench/sample_disc_copy.h"
#include "pageview/disc_page_scripts.h"

#include <QApplication>
#include <QEventLoop>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kRepetitions = 5;
constexpr int kPairsPerRepetition = 40;
constexpr double kTarget = 1.05;

std::vector<QUrl> g_samplePages;
QUrl g_longPage;

// Every pair's times in ms, by page set and kind: the view with the layer (or the first view
// without it), the view without it; the loads and the pages' DOMContentLoaded handlers.
struct Pairs {
    std::vector<double> with;
    std::vector<double> without;
    std::vector<double> cpuWith; // the page process's processor time during the load
    std::vector<double> cpuWithout;
    std::vector<double> creationWith; // the scripts run at the document's creation
    std::vector<double> creationWithout;
    std::vector<double> readyWith; // the DOMContentLoaded handlers
    std::vector<double> readyWithout;
};
std::map<std::pair<int, int>, Pairs> g_pairs;

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
    TMeasuredView(bool withLayer, int left) : m_profile(MakeBareProfile(nullptr)) {
        // Clocks on either side of the layer's scripts, which run in the order they were put in.
        AddClock(QStringLiteral("window.quilcdBenchClock = [performance.now()];"));
        if (withLayer)
            InstallDiscPageScripts(*m_profile);
        AddClock(QStringLiteral("window.quilcdBenchClock.push(performance.now());"));
        m_view = std::make_unique<QWebEngineView>();
        m_view->setPage(new QWebEnginePage(m_profile, m_view.get()));
        m_view->setGeometry(left, 0, 551, 594);
        m_view->show();
    }
    ~TMeasuredView() {
        m_view.reset(); // the page goes before its profile
        delete m_profile;
    }

    // The load's time in ms, or a negative value when it failed; `cpuMs` is what the page's
    // process ran meanwhile, until the load had finished.
    double Load(const QUrl& page, double* cpuMs = nullptr) {
        TLoadWaiter waiter(m_view.get());
        const qint64 process = m_view->page()->renderProcessPid();
        const long long cpuBefore = process > 0 ? CpuNanosecondsOf(process) : 0;
        const auto start = std::chrono::steady_clock::now();
        m_view->load(page);
        const bool ok = waiter.Wait();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        // A load that starts a new page process is not counted in processor time.
        if (cpuMs)
            *cpuMs = process > 0 && process == m_view->page()->renderProcessPid()
                         ? static_cast<double>(CpuNanosecondsOf(process) - cpuBefore) / 1e6
                         : -1;
        return ok ? took.count() : -1;
    }

    // How long the shown page's scripts at its creation took (the layer's, between the clocks)
    // and its DOMContentLoaded handlers, as the page tells it.
    std::pair<double, double> ScriptMs() {
        std::pair<double, double> ms{-1, -1};
        QEventLoop loop;
        m_view->page()->runJavaScript(
            QStringLiteral(
                "(function () { var n = performance.getEntriesByType('navigation')[0];"
                " var c = window.quilcdBenchClock;"
                " return [c[1] - c[0], n.domContentLoadedEventEnd - n.domContentLoadedEventStart];"
                " })()"),
            [&](const QVariant& value) {
                const QVariantList both = value.toList();
                if (both.size() == 2)
                    ms = {both[0].toDouble(), both[1].toDouble()};
                loop.quit();
            });
        loop.exec();
        return ms;
    }

private:
    void AddClock(const QString& source) {
        QWebEngineScript clock;
        clock.setName(QStringLiteral("bench/clock"));
        clock.setSourceCode(QStringLiteral("// ==UserScript==\n// @include file://*\n"
                                           "// ==/UserScript==\n") +
                            source);
        clock.setInjectionPoint(QWebEngineScript::DocumentCreation);
        clock.setWorldId(QWebEngineScript::MainWorld);
        m_profile->scripts()->insert(clock);
    }

    QWebEngineProfile* m_profile;
    std::unique_ptr<QWebEngineView> m_view;
};

void BM_LoadPagePairs(benchmark::State& state) {
    const int set = static_cast<int>(state.range(0));
    const int layer = static_cast<int>(state.range(1));
    const std::vector<QUrl> pages = set == 0 ? g_samplePages : std::vector<QUrl>{g_longPage};
    // Side by side, neither covering the other.
    TMeasuredView with(layer != 0, 0);
    TMeasuredView without(false, 560);
    if (with.Load(pages.back()) < 0 || without.Load(pages.back()) < 0) {
        state.SkipWithError("the first page did not load");
        return;
    }
    Pairs& all = g_pairs[{set, layer}];
    std::vector<double> here;
    std::size_t pair = 0;
    for (auto _ : state) {
        const QUrl& page = pages[pair % pages.size()];
        // Each round over the pages goes the other way round from the one before.
        const bool layerFirst = (pair / pages.size()) % 2 == 0;
        double withCpu = -1;
        double withoutCpu = -1;
        double withMs = layerFirst ? with.Load(page, &withCpu) : 0;
        const double withoutMs = without.Load(page, &withoutCpu);
        if (!layerFirst)
            withMs = with.Load(page, &withCpu);
        if (withMs < 0 || withoutMs < 0) {
            state.SkipWithError("a page did not load");
            return;
        }
        state.SetIterationTime((withMs + withoutMs) / 1000);
        here.push_back(withMs / withoutMs);
        all.with.push_back(withMs);
        all.without.push_back(withoutMs);
        if (withCpu >= 0 && withoutCpu >= 0) {
            all.cpuWith.push_back(withCpu);
            all.cpuWithout.push_back(withoutCpu);
        }
        state.PauseTiming();
        const auto [creationWith, readyWith] = with.ScriptMs();
        const auto [creationWithout, readyWithout] = without.ScriptMs();
        all.creationWith.push_back(creationWith);
        all.creationWithout.push_back(creationWithout);
        all.readyWith.push_back(readyWith);
        all.readyWithout.push_back(readyWithout);
        state.ResumeTiming();
        ++pair;
    }
    state.counters["ratio"] = Median(here);
    state.SetLabel(layer != 0 ? "with the layer / without" : "without / without");
}
BENCHMARK(BM_LoadPagePairs)
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({1, 0})
    ->UseManualTime()
    ->Iterations(kPairsPerRepetition)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum;
}

// The figures of one page set: the layer against none, and two views without it (the floor).
void Report(const char* what, int set) {
    for (int layer : {1, 0}) {
        const auto found = g_pairs.find({set, layer});
        if (found == g_pairs.end() || found->second.with.empty())
            continue;
        const Pairs& pairs = found->second;
        std::vector<double> ratios;
        for (std::size_t i = 0; i < pairs.with.size(); ++i)
            ratios.push_back(pairs.with[i] / pairs.without[i]);
        const double wall = Median(ratios);
        const double cpu = Sum(pairs.cpuWith) / Sum(pairs.cpuWithout);
        std::printf("%s, %s, %zu pairs:\n", what,
                    layer != 0 ? "with the layer / without" : "two views without it (the floor)",
                    ratios.size());
        std::printf("  load until loadFinished: %.2f / %.2f ms (medians), median of the pairs' "
                    "ratios %.3fx\n",
                    Median(pairs.with), Median(pairs.without), wall);
        std::printf("  the page process's processor time in those loads: %.2f / %.2f ms "
                    "(medians), all of it %.3fx\n",
                    Median(pairs.cpuWith), Median(pairs.cpuWithout), cpu);
        if (layer == 0)
            continue;
        std::printf("  scripts at the document's creation %.2f / %.2f ms, DOMContentLoaded "
                    "handlers %.2f / %.2f ms (medians)\n",
                    Median(pairs.creationWith), Median(pairs.creationWithout),
                    Median(pairs.readyWith), Median(pairs.readyWithout));
        std::printf("  target at most %.2fx: %s by the load, %s by the processor time\n", kTarget,
                    wall <= kTarget ? "met" : "missed", cpu <= kTarget ? "met" : "missed");
    }
}

} // namespace

int main(int argc, char** argv) {
    PrepareEngineBenchmark();
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
    Report("the sample disc's pages", 0);
    Report("a page of 2,000 table rows", 1);
    return 0;
}
