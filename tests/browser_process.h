#pragma once

#include "child_process.h"
#include "disc_copy.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace whole_program {

// The program as a reader starts it from a disc: no arguments, no standard input, on the given
// X display (nullopt: with no DISPLAY at all). Its output is kept for the failure messages.
class BrowserProcess final {
public:
    // `environment` (NAME=value) is added to what the program gets, as a desktop's settings.
    BrowserProcess(const DiscCopy& disc, const std::optional<std::string>& display,
                   const std::vector<std::string>& environment = {});

    ChildProcess& process() { return *m_process; }
    std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds limit) {
        return m_process->WaitForExit(limit);
    }
    bool IsRunning() { return m_process->IsRunning(); }
    // What it wrote to stdout and stderr so far.
    std::string Output() const;

private:
    std::filesystem::path m_log;
    std::unique_ptr<ChildProcess> m_process;
};

} // namespace whole_program
