#include "child_process.h"

#include "wait.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace testkit {
namespace {

std::vector<char*> NullTerminated(const std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (const std::string& text : strings) {
        pointers.push_back(const_cast<char*>(text.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Runs in the forked child: only async-signal-safe calls until exec.
[[noreturn]] void BecomeChild(char* const* argv, char* const* envp, const char* output,
                              int passedDescriptor, bool stdoutOnly) {
    ::setpgid(0, 0);
    const int nothing = ::open("/dev/null", O_RDWR);
    const int sink = output != nullptr ? ::open(output, O_WRONLY | O_CREAT | O_APPEND, 0644) : -1;
    const int target = sink >= 0 ? sink : nothing;
    ::dup2(nothing, STDIN_FILENO);
    ::dup2(target, STDOUT_FILENO);
    ::dup2(stdoutOnly ? nothing : target, STDERR_FILENO);
    if (passedDescriptor >= 0) {
        if (passedDescriptor == 3) {
            ::fcntl(3, F_SETFD, 0); // dup2 onto itself would leave close-on-exec set
        } else {
            ::dup2(passedDescriptor, 3);
        }
    }
    if (std::strchr(argv[0], '/') != nullptr) {
        ::execve(argv[0], argv, envp);
    } else {
        ::execvpe(argv[0], argv, envp);
    }
    static constexpr char kFailed[] = "exec failed\n";
    [[maybe_unused]] const auto ignored = ::write(STDERR_FILENO, kFailed, sizeof kFailed - 1);
    ::_exit(127);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const ExitStatus& status) {
    if (status.exited) {
        return out << "exit status " << status.code;
    }
    return out << "signal " << status.signal << " (" << ::strsignal(status.signal) << ")";
}

ChildProcess::ChildProcess(const ChildOptions& options) {
    if (options.argv.empty()) {
        throw std::runtime_error("no command to run");
    }
    const std::vector<char*> argv = NullTerminated(options.argv);
    const std::vector<char*> envp = NullTerminated(options.environment);
    const std::string output = options.output.string();
    const char* outputPath = output.empty() ? nullptr : output.c_str();

    m_pid = ::fork();
    if (m_pid < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (m_pid == 0) {
        BecomeChild(argv.data(), envp.data(), outputPath, options.passedDescriptor,
                    options.stdoutOnly);
    }
    // Set the group from this side too, so that it exists before the first signal we send.
    ::setpgid(m_pid, m_pid);
}

ChildProcess::~ChildProcess() {
    EndGroup(std::chrono::milliseconds(2000));
    if (!m_reaped) {
        int ignored = 0;
        ::waitpid(m_pid, &ignored, 0);
        m_reaped = true;
    }
}

std::optional<ExitStatus> ChildProcess::Peek() {
    if (m_status) {
        return m_status;
    }
    siginfo_t info{};
    // WNOWAIT: look without reaping, so the leader's id stays ours until the destructor.
    if (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
        info.si_pid != m_pid) {
        return std::nullopt;
    }
    m_status = info.si_code == CLD_EXITED ? ExitStatus::Exited(info.si_status)
                                          : ExitStatus::Killed(info.si_status);
    return m_status;
}

std::optional<ExitStatus> ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
    return WaitFor([this] { return Peek(); }, limit, std::chrono::milliseconds(10));
}

void ChildProcess::EndGroup(std::chrono::milliseconds grace) {
    if (m_reaped) {
        return;
    }
    // The group may hold helpers even after the leader has ended; the leader is a zombie then,
    // so the group id cannot belong to anyone else.
    ::kill(-m_pid, SIGTERM);
    WaitForExit(grace);
    ::kill(-m_pid, SIGKILL);
    int status = 0;
    if (::waitpid(m_pid, &status, 0) == m_pid) {
        if (!m_status) {
            m_status = WIFEXITED(status) ? ExitStatus::Exited(WEXITSTATUS(status))
                                         : ExitStatus::Killed(WTERMSIG(status));
        }
        m_reaped = true;
    }
}

std::optional<ExitStatus> RunToEnd(const ChildOptions& options, std::chrono::milliseconds limit) {
    ChildProcess child(options);
    const std::optional<ExitStatus> status = child.WaitForExit(limit);
    if (!status) {
        child.EndGroup(std::chrono::milliseconds(0));
    }
    return status;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& removed,
                                         const std::vector<std::string>& added) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        const std::string name = variable.substr(0, variable.find('='));
        bool drop = false;
        for (const std::string& unwanted : removed) {
            drop = drop || name == unwanted;
        }
        for (const std::string& replacement : added) {
            drop = drop || name == replacement.substr(0, replacement.find('='));
        }
        if (!drop) {
            environment.push_back(variable);
        }
    }
    environment.insert(environment.end(), added.begin(), added.end());
    return environment;
}

} // namespace testkit
