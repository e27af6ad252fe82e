#pragma once

// The argument that makes the benchmarks' executable load one disc and end: one load in a fresh
// process, for BM_LoadSequenceFreshProcess.
inline constexpr const char* kLoadOnce = "--load-once";

// Loads the disc once, writes the seconds it took (a double, as bytes) on standard output and
// returns the exit status.
int LoadOnceMain(const char* programDir, const char* htmlDir);
