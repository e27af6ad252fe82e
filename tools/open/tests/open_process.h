#pragma once

#include "child_process.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace whole_program {

// quilcd-open on one disc, with a cache (work/cache) and programs on PATH (work/bin) of the
// test's own; on the given X display, or with none. Its output is kept for the failure messages.
class OpenProcess final {
public:
    OpenProcess(const std::vector<std::string>& args, const std::optional<std::string>& display,
                const std::filesystem::path& work);
    ChildProcess& process() { return *m_process; }
    std::string Output() const;

private:
    std::filesystem::path m_log;
    std::unique_ptr<ChildProcess> m_process;
};

} // namespace whole_program
