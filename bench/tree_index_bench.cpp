// Both directions of the index lookup on the contents tree, at 1,000 and at 1,000,000 nodes:
// the node at an absolute index (NodeAt), and the absolute index of a node the view knows by its
// place, parent and row (ChildAt, what the item model answers for every index it makes). Each
// iteration makes 1,000 lookups at places spread evenly over the tree; the two sizes must take
// the same time. The Random variants look at 65,536 random places instead: at 1,000,000 nodes
// those miss the caches, which says what memory costs, not what the lookup does.
//
//   build/bench/bench_content --benchmark_filter='NodeAt|AbsoluteIndexOf'

#include "bench/disc_text.h"
#include "bench/sample_indexes.h"
#include "content/content_tree.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int kSpreadLookups = 1000;
constexpr int kRandomLookups = 65536;

const content::ContentTree& TreeOf(int nodes) {
    static std::map<int, std::unique_ptr<content::ContentTree>> trees;
    auto& tree = trees[nodes];
    if (!tree) {
        tree = std::make_unique<content::ContentTree>();
        content::BuildTree(bench_disc::TreeText(nodes), *tree);
    }
    return *tree;
}

void RunNodeAt(benchmark::State& state, const std::vector<int>& indexes) {
    const content::ContentTree& tree = TreeOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (int n : indexes) {
            const content::ContentTree::Node& node = tree.NodeAt(n);
            benchmark::DoNotOptimize(node.level);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(indexes.size()));
}

void RunAbsoluteIndexOf(benchmark::State& state, const std::vector<int>& indexes) {
    const content::ContentTree& tree = TreeOf(static_cast<int>(state.range(0)));
    std::vector<std::pair<int, int>> places; // (parent, row) of each sampled node
    for (int i : indexes)
        places.emplace_back(tree[i].parent, tree.RowOf(i));
    for (auto _ : state) {
        for (const auto& [parent, row] : places) {
            int index = tree.ChildAt(parent, row);
            benchmark::DoNotOptimize(index);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(places.size()));
}

void BM_NodeAt(benchmark::State& state) {
    RunNodeAt(state, bench_disc::SpreadIndexes(static_cast<int>(state.range(0)), kSpreadLookups));
}
BENCHMARK(BM_NodeAt)->Arg(1000)->Arg(1000000);

void BM_AbsoluteIndexOf(benchmark::State& state) {
    RunAbsoluteIndexOf(state,
                       bench_disc::SpreadIndexes(static_cast<int>(state.range(0)), kSpreadLookups));
}
BENCHMARK(BM_AbsoluteIndexOf)->Arg(1000)->Arg(1000000);

void BM_NodeAtRandom(benchmark::State& state) {
    RunNodeAt(state, bench_disc::RandomIndexes(static_cast<int>(state.range(0)), kRandomLookups));
}
BENCHMARK(BM_NodeAtRandom)->Arg(1000)->Arg(1000000);

void BM_AbsoluteIndexOfRandom(benchmark::State& state) {
    RunAbsoluteIndexOf(state,
                       bench_disc::RandomIndexes(static_cast<int>(state.range(0)), kRandomLookups));
}
BENCHMARK(BM_AbsoluteIndexOfRandom)->Arg(1000)->Arg(1000000);

} // namespace
