#include "temp_folder.h"

#include "files.h"

#include <stdlib.h>

#include <cerrno>
#include <system_error>

namespace testkit {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "quilcd-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw fs::filesystem_error("mkdtemp", pattern,
                                   std::error_code(errno, std::generic_category()));
    m_path = fs::canonical(pattern);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string TempDir::str(const std::string& relative) const {
    return relative.empty() ? m_path.string() : (m_path / relative).string();
}

fs::path TempDir::write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = m_path / relative;
    WriteFile(file, bytes);
    return file;
}

TempDisc::TempDisc() {
    fs::create_directory(m_dir.path() / "menu");
    fs::create_directory(m_dir.path() / "_html");
}

} // namespace testkit
