#pragma once

#include <sys/types.h>

#include <vector>

// The processes below one process, read from /proc: its children, theirs, and so on.
std::vector<pid_t> DescendantsOf(pid_t root);

// Memory figures of one process in kB, from /proc; 0 when the process is gone.
struct ProcessMemory {
    long rssKb = 0;  // resident now (VmRSS)
    long hwmKb = 0;  // the most ever resident (VmHWM)
    long anonKb = 0; // anonymous memory resident now, each page shared between processes (as
                     // after a fork) split among them (Pss_Anon)
};
ProcessMemory MemoryOf(pid_t pid);
