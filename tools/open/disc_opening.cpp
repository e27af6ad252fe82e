#include "tools/open/disc_opening.h"

#include "tools/open/image_error.h"
#include "tools/open/program_dir_finder.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace disc_image {

OpenedDisc OpenDisc(const std::string& path, const std::string& cacheRoot) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw SystemError(path);
    OpenedDisc disc;
    if (S_ISDIR(st.st_mode)) {
        const std::optional<std::string> menu = FindProgramDir(ReadFolderTree(path));
        if (!menu)
            throw ImageError(path +
                             ": no menu in this folder (a folder holding tree.txt, html.txt and "
                             "button.txt beside a folder _html)");
        // The browser learns its directory from the system, which names the real path.
        const std::string dir = menu->empty() ? path : path + '/' + *menu;
        char* real = ::realpath(dir.c_str(), nullptr);
        if (real == nullptr)
            throw SystemError(dir);
        disc.programDir = std::string(real) + (std::strcmp(real, "/") == 0 ? "" : "/");
        std::free(real);
        return disc;
    }
    disc.image = OpenImageFile(path);
    disc.cache =
        OpenCachedDisc(*disc.image, cacheRoot.empty() ? CacheRoot() : UsableCacheRoot(cacheRoot));
    disc.programDir = disc.cache->programDir;
    return disc;
}

} // namespace disc_image
