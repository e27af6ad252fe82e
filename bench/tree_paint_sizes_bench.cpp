// One paint of the contents tree with every group expanded, scrolled to the middle, at 100,
// 100,000 and 1,000,000 nodes, on a tree.txt that BuildTree accepts (headings, sub-groups,
// entries): a paint must cost the rows that can be seen, not the size of the tree.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_tree_paint_sizes

#include "bench/disc_text.h"
#include "content/content_tree.h"
#include "ui/contents_model.h"
#include "ui/contents_tree_view.h"
#include "ui/design_fonts.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void BM_PaintTreeOfSize(benchmark::State& state) {
    content::ContentTree tree;
    content::BuildTree(bench_disc::TreeText(static_cast<int>(state.range(0))), tree);
    TContentsTreeView view(tree);
    view.resize(216, 329);
    view.expandAll();
    view.show();
    QImage target(view.viewport()->size(), QImage::Format_RGB32);
    // The first paint lays the rows out once; what is measured is every paint after it.
    view.viewport()->render(&target);
    view.scrollTo(view.Model()->IndexOfNode(tree.Count() / 2), QAbstractItemView::PositionAtTop);
    view.viewport()->render(&target);
    for (auto _ : state) {
        view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["nodes"] = static_cast<double>(tree.Count());
    state.counters["top"] = static_cast<double>(view.TopNode());
}
BENCHMARK(BM_PaintTreeOfSize)->Arg(100)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    design_fonts::RegisterSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
