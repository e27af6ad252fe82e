#include "bench/process_tree.h"

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

// The parent of a process, from /proc/PID/stat: the field after the state, which follows the
// command name in parentheses (the name itself may hold spaces and parentheses).
pid_t ParentOf(const std::string& pid) {
    std::ifstream file("/proc/" + pid + "/stat");
    std::string text;
    std::getline(file, text);
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(text.substr(close + 1));
    char state = 0;
    pid_t parent = -1;
    rest >> state >> parent;
    return parent;
}

// The value of a "Name:   N kB" line, 0 when the file or the line is missing.
long KbField(const std::string& path, const std::string& name) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (line.compare(0, name.size(), name) == 0)
            return std::strtol(line.c_str() + name.size(), nullptr, 10);
    return 0;
}

} // namespace

std::vector<pid_t> DescendantsOf(pid_t root) {
    std::multimap<pid_t, pid_t> children;
    if (DIR* proc = ::opendir("/proc")) {
        while (const dirent* entry = ::readdir(proc)) {
            const std::string name = entry->d_name;
            if (name.find_first_not_of("0123456789") != std::string::npos)
                continue;
            const pid_t parent = ParentOf(name);
            if (parent > 0)
                children.emplace(parent, static_cast<pid_t>(std::stol(name)));
        }
        ::closedir(proc);
    }
    std::vector<pid_t> found;
    std::vector<pid_t> pending{root};
    while (!pending.empty()) {
        const pid_t parent = pending.back();
        pending.pop_back();
        const auto [first, last] = children.equal_range(parent);
        for (auto child = first; child != last; ++child) {
            found.push_back(child->second);
            pending.push_back(child->second);
        }
    }
    return found;
}

ProcessMemory MemoryOf(pid_t pid) {
    const std::string dir = "/proc/" + std::to_string(pid) + "/";
    ProcessMemory memory;
    memory.rssKb = KbField(dir + "status", "VmRSS:");
    memory.hwmKb = KbField(dir + "status", "VmHWM:");
    memory.anonKb = KbField(dir + "smaps_rollup", "Pss_Anon:");
    return memory;
}
