#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace fuzzing {

// A fresh directory under the system's temporary directory, removed again when the run ends.
class TempDir final {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quilcd-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace fuzzing
