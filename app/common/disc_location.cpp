#include "app/common/disc_location.h"

#include "app/common/normalize_path.h"
#include "content/disc_layout.h"

#include <vector>

#ifndef _WIN32
#include <unistd.h>
#else
#include <windows.h>
#endif

namespace common {

std::string HtmlDirOf(std::string_view programDir, char delim) {
    std::string dir(programDir);
    dir += "..";
    dir += delim;
    dir += content::kContentDir;
    dir += delim;
    return NormalizePath(dir, delim);
}

std::string RunningExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
#ifndef _WIN32
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
#else
        const DWORD n =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
#endif
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2); // no length limit: grow until the path fits
    }
}

} // namespace common
