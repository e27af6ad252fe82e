#include "tools/open/work_folder.h"

#include "tools/open/confined_writes.h"
#include "tools/open/image_error.h"

#include <cstdlib>
#include <filesystem>

namespace disc_image {
namespace {

namespace fs = std::filesystem;

} // namespace

std::string MakeTemporaryFolder(const std::string& prefix) {
    std::string pattern = prefix + "XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw SystemError("cannot make a folder " + pattern);
    return pattern;
}

WorkFolder::WorkFolder(const std::string& parent)
    : m_path(MakeTemporaryFolder(parent + (parent.ends_with('/') ? "" : "/"))) {
    try {
        m_folder = OpenFolder(m_path);
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
        throw;
    }
}

WorkFolder::~WorkFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

} // namespace disc_image
