#include "content/disc_path.h"

#include "content/cp932.h"
#include "content/folder_listings.h"

#include <sys/stat.h>

namespace content {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

std::string ResolveDiscPath(const std::string& nativeDir, std::string_view relativeCp932,
                            FolderListings* listings) {
    // Converting first keeps a 0x5C trail byte inside its character; only real backslashes
    // remain to become separators.
    std::string relative = Cp932ToUtf8(relativeCp932);
    for (char& c : relative)
        if (c == '\\' || c == '/')
            c = kPathDelim;
    return MatchDiscPath(nativeDir, relative, listings);
}

std::string MatchDiscPath(const std::string& nativeDir, std::string_view relative,
                          FolderListings* listings) {
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
            const std::string match = listings ? listings->FindIgnoringAsciiCase(path, component)
                                               : FindIgnoringAsciiCase(path, component);
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
