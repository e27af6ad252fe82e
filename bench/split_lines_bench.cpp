// SplitLines over 100 MB of short lines, against counting the line ends of the same bytes with
// memchr: the least any reader of the lines must do.
//
//   build/bench/bench_content --benchmark_filter='LineEnds|SplitLines'

#include "bench/disc_text.h"
#include "content/line_rule.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kTextBytes = 100u << 20;
// An iteration takes a few hundred milliseconds: enough of them that the first, which finds its
// memory fresh from the system, does not decide the figure.
constexpr double kMinSeconds = 3.0;

const std::string& Text() {
    static const std::string text = bench_disc::ShortLines(kTextBytes);
    return text;
}

void BM_CountLineEndsMemchr(benchmark::State& state) {
    const std::string& text = Text();
    std::size_t count = 0;
    for (auto _ : state) {
        count = 0;
        const char* p = text.data();
        const char* const end = p + text.size();
        while (const void* hit = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            ++count;
            p = static_cast<const char*>(hit) + 1;
        }
        benchmark::DoNotOptimize(count);
    }
    state.counters["lines"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * text.size()));
}
BENCHMARK(BM_CountLineEndsMemchr)->Unit(benchmark::kMillisecond)->MinTime(kMinSeconds);

void BM_SplitLines(benchmark::State& state) {
    const std::string& text = Text();
    std::size_t count = 0;
    for (auto _ : state) {
        const auto lines = content::SplitLines(text);
        count = lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond)->MinTime(kMinSeconds);

} // namespace
