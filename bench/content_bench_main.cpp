// The reading benchmarks' main. The C library's allocator normally adapts, as blocks are freed,
// when it hands memory back to the system; whether an iteration then finds its memory fresh
// (one page fault per 4 KiB) or reused depends on the heap's history: one load of the same disc
// by the same code measured 36 ms in one process and 330 ms in another. Here freed memory stays
// with the process, so every figure and its baseline measure the same thing, the work; the cost of
// fresh memory is measured apart, in fresh processes (BM_LoadSequenceFreshProcess).

#include "bench/load_sequence_bench.h"

#include <benchmark/benchmark.h>

#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], kLoadOnce) == 0)
        return LoadOnceMain(argv[2], argv[3]); // a fresh process: the allocator as it comes
#if defined(__GLIBC__)
    // Blocks up to the largest threshold come from the heap; the heap's free top is kept.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
