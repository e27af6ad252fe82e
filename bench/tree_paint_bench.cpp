// One paint of the contents tree with every group expanded, at 100 nodes and at 100,000 and
// 1,000,000: a paint must cost the rows that can be seen, not the size of the tree.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_tree_paint

#include "content/content_tree.h"
#include "ui/contents_tree_view.h"
#include "ui/design_fonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <string>

namespace {

// Groups of nine entries under sub-groups, under headings: three levels, like a real disc.
std::string TreeText(int nodes) {
    std::string text;
    for (int i = 0; i < nodes; ++i) {
        const char* indent = i % 100 == 0 ? "" : (i % 10 == 0 ? "\t" : "\t\t");
        text += indent + std::string("Node ") + std::to_string(i) + "\r\n";
    }
    return text;
}

void BM_PaintTree(benchmark::State& state) {
    content::ContentTree tree;
    content::BuildTree(TreeText(static_cast<int>(state.range(0))), tree);
    TContentsTreeView view(tree);
    view.resize(216, 329);
    view.expandAll();
    view.show();
    QImage target(view.viewport()->size(), QImage::Format_RGB32);
    // The first paint lays the rows out once; what is measured is every paint after it.
    view.viewport()->render(&target);
    // Scrolled to the middle, so that the walk starts deep inside the tree.
    view.scrollTo(view.Model()->IndexOfNode(tree.Count() / 2), QAbstractItemView::PositionAtTop);
    for (auto _ : state) {
        view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["nodes"] = static_cast<double>(tree.Count());
}
BENCHMARK(BM_PaintTree)->Arg(100)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

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
