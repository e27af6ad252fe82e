// The whole load sequence of a disc whose tree.txt has 1,000,000 lines (html.txt and button.txt
// to match), read from a temporary directory, against SplitLines over the bytes of the same
// three files: loading must cost little more than finding the lines.
//
//   build/bench/bench_content --benchmark_filter='LoadSequence|SplitThreeFiles'

#include "bench/disc_text.h"
#include "content/file_read.h"
#include "content/line_rule.h"
#include "content/load_sequence.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

constexpr int kNodes = 1000000;
// An iteration takes a few hundred milliseconds: enough of them that the first, which finds its
// memory fresh from the system, does not decide the figure.
constexpr double kMinSeconds = 3.0;

const bench_disc::TempDisc& Disc() {
    static const bench_disc::TempDisc disc(kNodes);
    return disc;
}

// The window's part of the sequence, doing nothing: what is measured is the content library.
class NullTarget final : public content::LoadTarget {
public:
    void BeginTreeBuild() override {}
    void EndTreeBuild() override {}
    void ExpandNode(int) override {}
    void SetInfoCaption(const std::string&) override {}
    void RepaintTree() override {}
    void CollapseStrip() override {}
    void ShowStartPage(const std::string&) override {}
    void SelectStartNode(int) override {}
};

void BM_SplitThreeFiles(benchmark::State& state) {
    const std::string dir = Disc().ProgramDir();
    const std::array<std::string, 3> files = {content::ReadWholeFile(dir + "tree.txt"),
                                              content::ReadWholeFile(dir + "html.txt"),
                                              content::ReadWholeFile(dir + "button.txt")};
    for (auto _ : state) {
        for (const std::string& bytes : files) {
            const auto lines = content::SplitLines(bytes);
            benchmark::DoNotOptimize(lines);
        }
    }
}
BENCHMARK(BM_SplitThreeFiles)->Unit(benchmark::kMillisecond)->MinTime(kMinSeconds);

void BM_LoadSequence(benchmark::State& state) {
    const content::DiscDirs dirs{Disc().ProgramDir(), Disc().HtmlDir()};
    int start = -1;
    int nodes = 0;
    for (auto _ : state) {
        content::ContentTree tree;
        content::StringList html, button;
        NullTarget target;
        const auto error = content::RunLoadBlock(dirs, tree, html, button, target);
        if (error)
            state.SkipWithError(error->what());
        start = content::ChooseStart(dirs, tree, html).node;
        nodes = tree.Count();
        benchmark::DoNotOptimize(start);
    }
    state.counters["nodes"] = nodes;
    state.counters["start"] = start;
}
BENCHMARK(BM_LoadSequence)->Unit(benchmark::kMillisecond)->MinTime(kMinSeconds);

} // namespace
