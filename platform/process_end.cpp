#include "platform/process_end.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#endif

namespace platform {

#ifdef Q_OS_WIN

bool EndChildProcess(qint64 pid) {
    if (pid <= 0)
        return false;
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return false;
    const bool ended = ::TerminateProcess(process, 1) != 0;
    ::CloseHandle(process);
    return ended;
}

#else

namespace {

// The parent of a process as /proc tells it; 0 when it cannot be read. The command name in
// /proc/PID/stat is in parentheses and may hold spaces and parentheses itself, so the fields
// are read after its last closing one.
pid_t ParentOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return 0;
    const std::size_t name = line.rfind(')');
    if (name == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(name + 1));
    char state = 0;
    pid_t parent = 0;
    fields >> state >> parent;
    return fields ? parent : 0;
}

bool IsDescendantOfThisProcess(pid_t pid) {
    const pid_t self = ::getpid();
    // The engine's page processes are grandchildren (through its zygote) or a few levels deeper
    // under its sandbox; the chain ends at the first process (1) or one that cannot be read.
    for (int level = 0; level < 16 && pid > 1; ++level) {
        pid = ParentOf(pid);
        if (pid == self)
            return true;
    }
    return false;
}

} // namespace

bool EndChildProcess(qint64 pid) {
    if (pid <= 0 || pid != static_cast<pid_t>(pid))
        return false;
    const auto process = static_cast<pid_t>(pid);
    return IsDescendantOfThisProcess(process) && ::kill(process, SIGKILL) == 0;
}

#endif

} // namespace platform
