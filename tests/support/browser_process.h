#pragma once

#include "child_process.h"
#include "disc_copy.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

// How a program of the build is started for a whole-program test.
struct ProgramStart final {
    std::vector<std::string> argv;
    std::optional<std::string> display; // nullopt: no DISPLAY at all
    // NAME=value added to what the program gets, as a desktop's settings would be.
    std::vector<std::string> environment = {};
    // The HTML engine without its sandbox (the tests run as root) and without a GPU (Xvfb has
    // none). Off: nothing of the engine's from this process; `environment` says what it gets.
    bool engineSwitches = true;
};

// A program started as a reader starts it: no standard input, on the given X display, the rest
// of the test's environment passed on except what would point it at another display or another
// widget style than a bare X session gives it. Its output is kept for the failure messages.
class BrowserProcess final {
public:
    BrowserProcess(const ProgramStart& start, const std::filesystem::path& log);
    // The program on the disc, with no arguments, its output kept beside the disc.
    BrowserProcess(const DiscCopy& disc, const std::optional<std::string>& display,
                   const std::vector<std::string>& environment = {});

    ChildProcess& process() { return *m_process; }
    std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds limit) {
        return m_process->WaitForExit(limit);
    }
    bool IsRunning() { return m_process->IsRunning(); }
    // What it wrote to stdout and stderr so far.
    std::string Output() const;
    // Whether it still runs, and its output: what a failure message needs.
    std::string State();

private:
    std::filesystem::path m_log;
    std::unique_ptr<ChildProcess> m_process;
};

} // namespace testkit
