// Choosing an entry of the contents tree until its page has finished loading in the real view,
// against a bare Qt WebEngine view (an off-the-record profile set up like the program's) loading
// the same two files in the same run. The window waits out the tree's change delay (50 ms) on
// purpose; what it adds beyond that is what is compared.
//
// Two pairs of entries of the sample disc, each chosen in turn: /0 the start entry and the next
// one (their launch strips differ, so the page view changes its height with every choice), /1
// the first two neighbours whose strips are of one height (the view keeps its size). The bare
// view loads the same files at the window's page-area size (/N/0) and, for the first pair, also
// resized to the height the window's strip leaves right before each load (/0/1), 50 ms before
// it (/0/2) or right after the load is asked for (/0/3): what the engine itself takes to show a
// page in a view whose size changes.
//
//   export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
//   export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/bench_page_choice
//
// Each benchmark runs five repetitions of twenty choices; the ratios printed at the end are of
// the medians. --benchmark_enable_random_interleaving=true spreads the repetitions over the run,
// so that a busy moment of the machine does not fall on one side only.

#include "bench/bare_web_profile.h"
#include "bench/engine_environment.h"
#include "bench/entry_pairs.h"
#include "bench/load_waiter.h"
#include "bench/ratio_reporter.h"
#include "bench/sample_disc_copy.h"
#include "bench/window_choice.h"
#include "ui/contents_tree_view.h"
#include "ui/design_fonts.h"
#include "ui/tform1.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kRepetitions = 5;
constexpr int kChoicesPerRepetition = 20;

// Found once before the benchmarks run, so that the baseline loads exactly the same files.
std::array<EntryPair, 2> g_pairs;

void ResetLists() {
    HtmlList = std::make_unique<content::StringList>();
    ButtonList = std::make_unique<content::StringList>();
}

std::string Describe(const EntryPair& pair) {
    const auto file = [](const ChosenEntry& entry) {
        return QFileInfo(entry.page.toLocalFile()).fileName().toStdString();
    };
    return file(pair[0]) + " <-> " + file(pair[1]) + ", strip " +
           std::to_string(pair[0].stripHeight) + " <-> " + std::to_string(pair[1].stripHeight);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ChooseEntry_Window(benchmark::State& state) {
    const EntryPair& pair = g_pairs[static_cast<std::size_t>(state.range(0))];
    ResetLists();
    TForm1 form;
    if (!ShowAndWaitForStartPage(form) ||
        (form.TreeView->SelectedNode() != pair[0].node && !ChooseAndWait(form, pair[0].node))) {
        state.SkipWithError("the first page did not load");
        return;
    }
    std::size_t next = 1;
    for (auto _ : state) {
        TLoadWaiter waiter(ViewOf(form));
        const auto start = std::chrono::steady_clock::now();
        form.TreeView->SelectNode(pair[next].node);
        const bool ok = waiter.Wait();
        state.SetIterationTime(SecondsSince(start));
        if (!ok) {
            state.SkipWithError("a page did not load");
            return;
        }
        next = 1 - next;
    }
    state.SetLabel(Describe(pair));
}
BENCHMARK(BM_ChooseEntry_Window)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(kChoicesPerRepetition)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

constexpr int kPageAreaWidth = 551;
constexpr int kPageAreaHeight = 594; // the view's and the launch strip's together

void BM_LoadFile_BareView(benchmark::State& state) {
    const EntryPair& pair = g_pairs[static_cast<std::size_t>(state.range(0))];
    // 0: one size throughout; 1: resized to what the strip leaves right before each load, as the
    // window does; 2: resized the same way 50 ms (untimed) before each load, as if the strip took
    // its height when the entry is chosen and the change delay ran after it; 3: resized right
    // after the load is asked for, as if the strip were sized after the page was requested.
    const bool resizeLikeTheStrip = state.range(1) != 0;
    const bool resizeAhead = state.range(1) == 2;
    const bool resizeAfterLoadCall = state.range(1) == 3;
    QWebEngineProfile* profile = MakeBareProfile(nullptr);
    {
        QWebEngineView view;
        view.setPage(new QWebEnginePage(profile, &view));
        view.resize(kPageAreaWidth,
                    kPageAreaHeight - (resizeLikeTheStrip ? pair[0].stripHeight : 0));
        view.show();
        TLoadWaiter first(&view);
        view.load(pair[0].page);
        if (!first.Wait()) {
            state.SkipWithError("the first page did not load");
        } else {
            std::size_t next = 1;
            for (auto _ : state) {
                if (resizeAhead) {
                    view.resize(kPageAreaWidth, kPageAreaHeight - pair[next].stripHeight);
                    QEventLoop settle;
                    QTimer::singleShot(50, &settle, &QEventLoop::quit);
                    settle.exec();
                }
                TLoadWaiter waiter(&view);
                const auto start = std::chrono::steady_clock::now();
                if (resizeLikeTheStrip && !resizeAhead && !resizeAfterLoadCall)
                    view.resize(kPageAreaWidth, kPageAreaHeight - pair[next].stripHeight);
                view.load(pair[next].page);
                if (resizeAfterLoadCall)
                    view.resize(kPageAreaWidth, kPageAreaHeight - pair[next].stripHeight);
                const bool ok = waiter.Wait();
                state.SetIterationTime(SecondsSince(start));
                if (!ok) {
                    state.SkipWithError("a page did not load");
                    break;
                }
                next = 1 - next;
            }
            state.SetLabel(Describe(pair) + (resizeAhead           ? ", resized 50 ms ahead"
                                             : resizeAfterLoadCall ? ", resized after the load call"
                                             : resizeLikeTheStrip  ? ", resized"
                                                                   : ""));
        }
    } // the page goes before its profile
    delete profile;
}
BENCHMARK(BM_LoadFile_BareView)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({0, 3})
    ->UseManualTime()
    ->Iterations(kChoicesPerRepetition)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond);

// Chooses the entries once in a window of its own. This also starts the engine, so that neither
// benchmark pays for that.
bool FindPairs() {
    ResetLists();
    TForm1 form;
    if (!ShowAndWaitForStartPage(form))
        return false;
    const std::optional<EntryPairs> pairs = FindEntryPairs(form);
    if (!pairs)
        return false;
    g_pairs = {pairs->first, pairs->sameStrip};
    return true;
}

} // namespace

int main(int argc, char** argv) {
    PrepareEngineBenchmark();
    QApplication application(argc, argv);
    design_fonts::RegisterSubstitutions();
    benchmark::Initialize(&argc, argv);

    const TSampleDiscCopy disc(QUILCD_SAMPLE_DISC_DIR);
    ProgramDir = disc.ProgramDir();
    HtmlDir = disc.HtmlDir();
    if (!FindPairs()) {
        std::fprintf(stderr, "bench_page_choice: the sample disc's pages did not load\n");
        return 1;
    }

    const double delayMs = TContentsTreeView::kChangeDelayMs;
    TRatioReporter reporter(
        {{"BM_ChooseEntry_Window/0", "BM_LoadFile_BareView/0/0", delayMs, 1.3},
         {"BM_ChooseEntry_Window/1", "BM_LoadFile_BareView/1/0", delayMs, 1.3},
         {"BM_ChooseEntry_Window/0", "BM_LoadFile_BareView/0/1", delayMs, 1.3},
         // The engine's own price for the resize, right before the load and 50 ms ahead of it.
         {"BM_LoadFile_BareView/0/1", "BM_LoadFile_BareView/0/0", 0, 1.3},
         {"BM_LoadFile_BareView/0/2", "BM_LoadFile_BareView/0/0", 0, 1.3},
         {"BM_LoadFile_BareView/0/3", "BM_LoadFile_BareView/0/0", 0, 1.3}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    HtmlList.reset();
    ButtonList.reset();
    return 0;
}
