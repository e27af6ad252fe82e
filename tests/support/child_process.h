#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testkit {

// How a process ended: by exit with a status, or by a signal.
struct ExitStatus final {
    bool exited = false;
    int code = 0;   // the exit status, when exited
    int signal = 0; // the signal that ended it, when not exited

    static ExitStatus Exited(int code) { return {true, code, 0}; }
    static ExitStatus Killed(int signal) { return {false, 0, signal}; }
    bool operator==(const ExitStatus&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ExitStatus& status);

struct ChildOptions final {
    std::vector<std::string> argv;        // argv[0] is looked up on PATH when it has no slash
    std::vector<std::string> environment; // NAME=value, the child's whole environment
    std::filesystem::path output;         // stdout and stderr go here; empty: /dev/null
    int passedDescriptor = -1;            // when set, the child gets it as descriptor 3
    bool stdoutOnly = false;              // stderr to /dev/null, so that output is stdout alone
};

// A child process in a process group of its own, with /dev/null as its standard input. Whatever
// it starts in turn (the HTML engine's helpers) stays in that group, so ending the group ends
// them all. The group leader is left unreaped until the end, which keeps the group's id from
// being reused while we may still signal it.
class ChildProcess final {
public:
    explicit ChildProcess(const ChildOptions& options); // throws std::runtime_error
    ~ChildProcess();                                    // ends the group and reaps the leader
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }

    // The status once the process has ended, or nullopt if it is still running after `limit`.
    std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds limit);
    bool IsRunning() { return !WaitForExit(std::chrono::milliseconds(0)); }

    // Asks the whole group to end (SIGTERM), then forces it (SIGKILL) after `grace`.
    void EndGroup(std::chrono::milliseconds grace);

private:
    std::optional<ExitStatus> Peek();

    pid_t m_pid = -1;
    std::optional<ExitStatus> m_status;
    bool m_reaped = false;
};

// Runs a short command to its end; nullopt (after killing it) when it takes longer than `limit`.
std::optional<ExitStatus> RunToEnd(const ChildOptions& options, std::chrono::milliseconds limit);

// This process's environment without the named variables, and with `added` (NAME=value) after it.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& removed,
                                         const std::vector<std::string>& added);

} // namespace testkit
