#pragma once

#include <filesystem>
#include <string>

// A copy of a disc (its menu/ list files and its _html/ content) in a fresh temporary directory,
// so that a benchmark shows the disc the build laid out without reading inside the build.
// Removed again when the object goes.
class TSampleDiscCopy final {
public:
    explicit TSampleDiscCopy(const std::filesystem::path& disc);
    ~TSampleDiscCopy();
    TSampleDiscCopy(const TSampleDiscCopy&) = delete;
    TSampleDiscCopy& operator=(const TSampleDiscCopy&) = delete;

    std::string ProgramDir() const { return (m_root / "menu").string() + "/"; }
    std::string HtmlDir() const { return (m_root / "_html").string() + "/"; }

private:
    std::filesystem::path m_root;
};
