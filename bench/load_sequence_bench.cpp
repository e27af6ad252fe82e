// The whole load sequence of a disc whose tree.txt has 1,000,000 lines (html.txt and button.txt
// to match), read from a temporary directory, against SplitLines over the bytes of the same
// three files: loading must cost little more than finding the lines.
//
//   build/bench/bench_content --benchmark_filter='LoadSequence|SplitThreeFiles'
//
// Whether memory freed by one iteration is handed back to the system and faulted in again by the
// next would otherwise depend on the C library's heap state (bench/content_bench_main.cpp fixes
// it): the load into fresh memory is measured on its own, in fresh processes.

#include "bench/load_sequence_bench.h"

#include "bench/disc_text.h"
#include "content/file_read.h"
#include "content/line_rule.h"
#include "content/load_sequence.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kNodes = 1000000;
// Enough iterations that a burst of other work on the machine does not decide the figure.
constexpr double kMinSeconds = 3.0;

const bench_disc::TempDisc& Disc() {
    static const bench_disc::TempDisc disc(kNodes);
    return disc;
}

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

// One load of the disc, as the window runs it.
double LoadOnce(const content::DiscDirs& dirs, int& nodes, int& start) {
    const auto began = std::chrono::steady_clock::now();
    content::ContentTree tree;
    content::StringList html, button;
    content::NoWindowTarget target;
    const auto error = content::RunLoadBlock(dirs, tree, html, button, target);
    if (error)
        return -1;
    start = content::ChooseStart(dirs, tree, html).node;
    nodes = tree.Count();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

// Loads in a row in one process: the C library keeps the memory one load frees for the next,
// as it keeps the baseline's.
void BM_LoadSequence(benchmark::State& state) {
    const content::DiscDirs dirs{Disc().ProgramDir(), Disc().HtmlDir()};
    int start = -1;
    int nodes = 0;
    for (auto _ : state) {
        if (LoadOnce(dirs, nodes, start) < 0)
            state.SkipWithError("the load failed");
        benchmark::DoNotOptimize(start);
    }
    state.counters["nodes"] = nodes;
    state.counters["start"] = start;
}
BENCHMARK(BM_LoadSequence)->Unit(benchmark::kMillisecond)->MinTime(kMinSeconds);

// The program loads once, at its start, into memory fresh from the system: each load here runs in
// a process of its own (this executable, started again with --load-once) that times itself and
// writes the seconds on its standard output; starting it is not timed.
void BM_LoadSequenceFreshProcess(benchmark::State& state) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string programDir = Disc().ProgramDir();
    const std::string htmlDir = Disc().HtmlDir();
    for (auto _ : state) {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        const char* args[] = {self.c_str(), kLoadOnce, programDir.c_str(), htmlDir.c_str(),
                              nullptr};
        pid_t child = -1;
        const int spawned = ::posix_spawn(&child, self.c_str(), &actions, nullptr,
                                          const_cast<char* const*>(args), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeEnds[1]);
        double seconds = -1;
        const bool read = ::read(pipeEnds[0], &seconds, sizeof seconds) == sizeof seconds;
        ::close(pipeEnds[0]);
        int status = 1;
        if (spawned == 0)
            ::waitpid(child, &status, 0);
        if (spawned != 0 || !read || seconds < 0 || status != 0) {
            state.SkipWithError("the load in a fresh process failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_LoadSequenceFreshProcess)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(kMinSeconds);

} // namespace

int LoadOnceMain(const char* programDir, const char* htmlDir) {
    int nodes = 0;
    int start = -1;
    const double seconds = LoadOnce({programDir, htmlDir}, nodes, start);
    const bool written = ::write(STDOUT_FILENO, &seconds, sizeof seconds) == sizeof seconds;
    return written && nodes > 0 ? 0 : 1;
}
