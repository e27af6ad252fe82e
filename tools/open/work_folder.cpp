#include "tools/open/work_folder.h"

#include "tools/open/confined_writes.h"
#include "tools/open/image_error.h"

#include <cstdlib>
#include <filesystem>

namespace disc_image {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLockFile = "/.lock";

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
        m_lock.emplace(m_path + kLockFile);
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

void RemoveAbandonedWorkFolders(const std::string& parent) {
    std::error_code error;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        std::error_code ignored;
        if (it->is_directory(ignored) && !it->is_symlink(ignored) &&
            IsLocked(path.string() + kLockFile))
            continue;
        fs::remove_all(path, ignored);
    }
}

} // namespace disc_image
