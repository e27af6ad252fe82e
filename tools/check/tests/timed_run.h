#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace check_testing {

// How a run of a program ended and what it wrote on stdout.
struct TimedRun {
    bool finished = false; // false: still running at the limit, then killed
    bool exited = false;   // ended by exit, not by a signal
    int status = -1;       // the exit status, when exited
    int signal = 0;        // the signal that ended it, when not exited
    std::string out;
};

// Runs the program with the arguments (no shell), stdin /dev/null, stderr discarded, and waits at
// most `limit` for it to end.
TimedRun RunWithLimit(const std::string& program, const std::vector<std::string>& args,
                      std::chrono::milliseconds limit);

} // namespace check_testing
