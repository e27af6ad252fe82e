#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run the way a sanitizer finding does: libFuzzer keeps the input as
// a crash, and the corpus replay fails its test.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
