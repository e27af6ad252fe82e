#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace testing_disc {

// A disc laid out in a fresh temporary directory: menu/ for the list files, _html/ beside it.
class TempDisc final {
public:
    TempDisc() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quilcd-XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(m_root / "menu");
        std::filesystem::create_directories(m_root / "_html");
    }
    ~TempDisc() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    TempDisc(const TempDisc&) = delete;
    TempDisc& operator=(const TempDisc&) = delete;

    std::filesystem::path root() const { return m_root; }
    std::string programDir() const { return (m_root / "menu").string() + "/"; }
    std::string htmlDir() const { return (m_root / "_html").string() + "/"; }

    // Writes bytes to a path relative to the disc root, creating its directories.
    std::string write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path path = m_root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

private:
    std::filesystem::path m_root;
};

} // namespace testing_disc
