#pragma once

#include <sys/types.h>

// The processor time all threads of a process have run, in nanoseconds, from the scheduler's
// own count (/proc/PID/task/*/schedstat): a process's work measured apart from how long it
// waited for a processor while other work ran. 0 when the process is gone.
long long CpuNanosecondsOf(pid_t pid);
