#include "search/index_place.h"

#include "tools/open/cache_naming.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace search {
namespace {

constexpr const char* kSearchFolder = "search";

// The name of the folder that holds the menu folder: the disc's own name, as a reader knows it.
std::string DiscName(const std::string& programDir) {
    std::string dir = programDir;
    while (!dir.empty() && dir.back() == '/')
        dir.pop_back();
    dir = dir.substr(0, dir.rfind('/') == std::string::npos ? 0 : dir.rfind('/'));
    return dir.substr(dir.rfind('/') + 1);
}

} // namespace

IndexPlace IndexPlaceFor(const content::DiscDirs& dirs, const std::string& cacheRoot) {
    IndexPlace place;
    try {
        const std::string root =
            cacheRoot.empty() ? disc_image::CacheRoot() : disc_image::UsableCacheRoot(cacheRoot);
        const std::string folder = root + '/' + kSearchFolder;
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            throw std::runtime_error("cannot make " + folder + ": " + std::strerror(errno));
        struct stat st {};
        char* real = ::realpath(dirs.programDir.c_str(), nullptr);
        if (real == nullptr || ::stat(real, &st) != 0) {
            std::free(real);
            throw std::runtime_error(dirs.programDir + ": " + std::strerror(errno));
        }
        std::string identity = real;
        std::free(real);
        identity += '\0' + std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino);
        place.path = folder + '/' +
                     disc_image::CacheEntryName(DiscName(dirs.programDir), identity) + ".index";
    } catch (const std::exception& error) {
        place.problem = error.what();
    }
    return place;
}

} // namespace search
