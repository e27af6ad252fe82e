#include "bench/process_cpu.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

long long CpuNanosecondsOf(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    long long total = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        long long onCpu = 0;
        if (std::ifstream(task.path() / "schedstat") >> onCpu)
            total += onCpu;
    }
    return total;
}
