#include "timed_run.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace check_testing {
namespace {

// A file for the child's stdout: a pipe would need draining while we wait, and reports of some
// discs run to hundreds of megabytes.
class OutputFile final {
public:
    OutputFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quilcd-check-out-XXXXXX").string();
        m_fd = ::mkstemp(pattern.data());
        if (m_fd < 0)
            throw std::runtime_error(std::string("mkstemp: ") + std::strerror(errno));
        m_path = pattern;
    }
    ~OutputFile() {
        ::close(m_fd);
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    int fd() const { return m_fd; }
    std::string Read() const {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    int m_fd = -1;
    std::filesystem::path m_path;
};

} // namespace

TimedRun RunWithLimit(const std::string& program, const std::vector<std::string>& args,
                      std::chrono::milliseconds limit) {
    const OutputFile output;
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(output.fd(), STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }

    TimedRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            break;
        if (ended < 0 && errno != EINTR)
            throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.finished = true;
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.out = output.Read();
    return run;
}

} // namespace check_testing
