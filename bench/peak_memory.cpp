// Runs a command and writes the peak memory of it and of every process it starts: Qt WebEngine
// shows pages from helper processes (QtWebEngineProcess), so the program's own figure is only
// part of what a run takes. For scripts/run-startup-benchmarks.
//
//   bench_peak_memory REPORT_FILE COMMAND [ARGUMENT...]
//
// REPORT_FILE gets key=value lines, in kB:
//   main_max_rss_kb   the command's own process at its peak, as the kernel tells it when the
//                     process ends: the largest of its own peak and those of the children it
//                     waited for (the "Maximum resident set size" GNU time reports)
//   tree_peak_anon_kb the largest sum over the tree of the anonymous memory (heaps, stacks,
//                     the engine's own data) seen at one sample, a page shared after a fork
//                     counting once: what the tree itself holds. File pages (the libraries,
//                     fonts) are left out: how much of them a process is charged (PSS) depends
//                     on what else runs on the machine, and on a shared one that varies by tens
//                     of megabytes from one run of the same program to the next
//   tree_peak_rss_kb  the largest sum over the tree of the resident size seen at one sample: a
//                     shared page counts in every process that maps it
//   tree_sum_hwm_kb   the sum over the tree of each process's own peak (VmHWM, as last seen):
//                     peaks of different moments added, shared pages counted in each
//   processes         how many processes the tree held in all
// The tree is sampled every 10 ms. The command's exit status is this program's.

#include "bench/process_tree.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <thread>

namespace {

struct Peaks {
    long treeAnonKb = 0;
    long treeRssKb = 0;
    std::map<pid_t, long> hwmKb; // every process seen, its peak as last read
};

void Sample(Peaks& peaks) {
    long anon = 0;
    long rss = 0;
    for (const pid_t pid : DescendantsOf(::getpid())) {
        const ProcessMemory memory = MemoryOf(pid);
        anon += memory.anonKb;
        rss += memory.rssKb;
        if (memory.hwmKb > 0)
            peaks.hwmKb[pid] = memory.hwmKb;
    }
    peaks.treeAnonKb = std::max(peaks.treeAnonKb, anon);
    peaks.treeRssKb = std::max(peaks.treeRssKb, rss);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s REPORT_FILE COMMAND [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    // Processes whose parent ends before them come to this one, so the tree stays whole and
    // every one of them is waited for.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    const pid_t command = ::fork();
    if (command < 0) {
        std::perror("fork");
        return 2;
    }
    if (command == 0) {
        ::execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        ::_exit(127);
    }

    Peaks peaks;
    long mainMaxRssKb = 0;
    int status = 0;
    for (;;) {
        Sample(peaks);
        rusage usage{};
        int childStatus = 0;
        pid_t ended = 0;
        while ((ended = ::wait4(-1, &childStatus, WNOHANG, &usage)) > 0) {
            if (ended == command) {
                mainMaxRssKb = usage.ru_maxrss;
                status = childStatus;
            }
        }
        if (ended < 0 && errno == ECHILD)
            break; // the whole tree has ended
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    long sumHwmKb = 0;
    for (const auto& [pid, kb] : peaks.hwmKb)
        sumHwmKb += kb;
    std::ofstream report(argv[1]);
    report << "main_max_rss_kb=" << mainMaxRssKb << '\n'
           << "tree_peak_anon_kb=" << peaks.treeAnonKb << '\n'
           << "tree_peak_rss_kb=" << peaks.treeRssKb << '\n'
           << "tree_sum_hwm_kb=" << sumHwmKb << '\n'
           << "processes=" << peaks.hwmKb.size() << '\n';
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}
