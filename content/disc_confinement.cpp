#include "content/disc_confinement.h"

#include "content/folder_listings.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace content {

namespace fs = std::filesystem;

namespace {

// The names along a path, without the empty one a trailing separator leaves, so that "/disc" and
// "/disc/" are the same directory and "/disc-other" is not inside "/disc".
std::vector<fs::path> Names(const fs::path& path) {
    std::vector<fs::path> names;
    for (const fs::path& name : path)
        if (!name.empty())
            names.push_back(name);
    return names;
}

bool Usable(const std::string& nativePath) {
    // A NUL would cut the path short where the system reads it, so the system would open another
    // file than the one judged here.
    return !nativePath.empty() && nativePath.find('\0') == std::string::npos &&
           fs::path(nativePath).is_absolute();
}

// Whether the resolved path lies inside the resolved root.
bool Within(const std::string& discRootResolved, const fs::path& resolved) {
    const std::vector<fs::path> root = Names(fs::path(discRootResolved));
    const std::vector<fs::path> target = Names(resolved);
    if (target.size() < root.size())
        return false;
    for (std::size_t i = 0; i < root.size(); ++i)
        if (root[i] != target[i])
            return false;
    return true;
}

} // namespace

std::string DiscRootOf(const std::string& nativeHtmlDir) {
    if (!Usable(nativeHtmlDir))
        return {};
    std::string dir = nativeHtmlDir;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    // The parent is taken by name before anything is resolved: a content directory that is a
    // link does not move the disc root to wherever the link points.
    std::error_code error;
    const fs::path root = fs::weakly_canonical(fs::path(dir).parent_path(), error);
    if (error)
        return {};
    return root.string();
}

bool InsideDiscRoot(const std::string& discRootResolved, const std::string& nativePath) {
    if (!Usable(discRootResolved) || !Usable(nativePath))
        return false;
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::path(nativePath), error);
    return !error && Within(discRootResolved, resolved);
}

bool InsideDiscRoot(const std::string& discRootResolved, const std::string& nativePath,
                    FolderListings& listings) {
    if (!Usable(discRootResolved) || !Usable(nativePath))
        return false;
    const fs::path path(nativePath);
    const fs::path name = path.filename();
    struct stat st {};
    const bool link = ::lstat(nativePath.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    // A last name that is a link or a climb moves the file elsewhere than its folder: it is
    // resolved whole. Any other name, there or not, resolves to the resolved folder and itself.
    if (link || name.empty() || name == "." || name == "..")
        return InsideDiscRoot(discRootResolved, nativePath);
    const std::optional<std::string> folder = listings.ResolvedFolder(path.parent_path().string());
    return folder && Within(discRootResolved, fs::path(*folder) / name);
}

} // namespace content
