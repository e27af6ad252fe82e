#pragma once

#include <filesystem>
#include <string>

namespace testkit {

// A fresh folder of the test's own under the system's temporary directory, made with mkdtemp so
// that no other test and no earlier run shares it, and removed with everything in it at the end.
// Its path is resolved, so that paths built on it are what the program's path rules compare.
class TempDir final {
public:
    TempDir(); // throws std::filesystem::filesystem_error
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str(const std::string& relative = {}) const;
    // Writes the bytes to a path below the folder, making its directories; returns the path.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// A disc laid out in a fresh folder: menu/ for the list files and the program, _html/ beside it.
class TempDisc final {
public:
    TempDisc();

    const std::filesystem::path& root() const { return m_dir.path(); }
    // The directories as the program holds them: ending in the separator.
    std::string programDir() const { return m_dir.str("menu") + "/"; }
    std::string htmlDir() const { return m_dir.str("_html") + "/"; }
    // Writes the bytes to a path relative to the disc's root, making its directories.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const {
        return m_dir.write(relative, bytes);
    }

private:
    TempDir m_dir;
};

} // namespace testkit
