#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace testing_disc {

// A fresh directory (resolved, so that paths built on it are what the path rules compare),
// removed with everything in it.
class TempDir final {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quilcd-dir-XXXXXX").string();
        m_path = std::filesystem::canonical(::mkdtemp(pattern.data()));
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str(const std::string& relative = {}) const {
        return relative.empty() ? m_path.string() : (m_path / relative).string();
    }
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    std::filesystem::path m_path;
};

} // namespace testing_disc
