#include "tools/check/menu_dir.h"

#include "app/common/disc_location.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace check {

MenuDir DiscDirsFor(const std::string& menuDir) {
    MenuDir result;
    struct stat st {};
    if (::stat(menuDir.c_str(), &st) != 0) {
        result.error = menuDir + ": " + std::strerror(errno);
        return result;
    }
    if (!S_ISDIR(st.st_mode)) {
        result.error = menuDir + ": not a directory";
        return result;
    }
    if (::access(menuDir.c_str(), R_OK | X_OK) != 0) {
        result.error = menuDir + ": cannot be read: " + std::strerror(errno);
        return result;
    }
    // The browser learns its directory from /proc/self/exe, which names the real path: no "."
    // or ".." (HtmlDirOf would take "." for a name) and no symbolic link.
    std::error_code error;
    std::string programDir = std::filesystem::canonical(menuDir, error).string();
    if (error) {
        result.error = menuDir + ": " + error.message();
        return result;
    }
    if (programDir.empty() || programDir.back() != '/')
        programDir += '/';
    result.dirs = content::DiscDirs{programDir, common::HtmlDirOf(programDir, '/')};
    return result;
}

} // namespace check
