#include "content/disc_path.h"

#include "content/cp932.h"

#include <dirent.h>
#include <sys/stat.h>

namespace content {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + 0x20);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + 0x20);
        if (x != y)
            return false;
    }
    return true;
}

// The entry of dir whose name equals name but for ASCII case; of several, the smallest name,
// so that the answer does not depend on the order the file system lists them in.
std::string FindIgnoringCase(const std::string& dir, const std::string& name) {
    std::string found;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return found;
    while (const dirent* entry = ::readdir(d)) {
        const std::string_view candidate(entry->d_name);
        if (EqualIgnoringAsciiCase(candidate, name) && (found.empty() || candidate < found))
            found = candidate;
    }
    ::closedir(d);
    return found;
}

} // namespace

std::string ResolveDiscPath(const std::string& nativeDir, std::string_view relativeCp932) {
    // Converting first keeps a 0x5C trail byte inside its character; only real backslashes
    // remain to become separators.
    std::string relative = Cp932ToUtf8(relativeCp932);
    for (char& c : relative)
        if (c == '\\' || c == '/')
            c = kPathDelim;
    return MatchDiscPath(nativeDir, relative);
}

std::string MatchDiscPath(const std::string& nativeDir, std::string_view relative) {
    std::string path = nativeDir;
    std::size_t pos = 0;
    while (pos <= relative.size()) {
        std::size_t next = relative.find(kPathDelim, pos);
        const bool last = next == std::string_view::npos;
        if (last)
            next = relative.size();
        const std::string component(relative.substr(pos, next - pos));
        const std::string tail = last ? std::string() : std::string(1, kPathDelim);
        if (component.empty() || component == "." || component == ".." ||
            Exists(path + component)) {
            path += component + tail;
        } else {
            const std::string match = FindIgnoringCase(path, component);
            if (match.empty()) {
                path += relative.substr(pos); // the rest as written: it does not exist
                return path;
            }
            path += match + tail;
        }
        if (last)
            break;
        pos = next + 1;
    }
    return path;
}

} // namespace content
