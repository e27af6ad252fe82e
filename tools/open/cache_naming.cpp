#include "tools/open/cache_naming.h"

#include "tools/open/image_error.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace disc_image {
namespace {

namespace fs = std::filesystem;

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace

std::string CacheRoot() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return UsableCacheRoot(std::string(xdg) + "/quilcd");
    if (home != nullptr && home[0] == '/')
        return UsableCacheRoot(std::string(home) + "/.cache/quilcd");
    throw ImageError("no cache folder: neither XDG_CACHE_HOME nor HOME is set");
}

std::string UsableCacheRoot(const std::string& root) {
    std::error_code error;
    fs::create_directories(root, error);
    if (error)
        throw ImageError("cannot make the cache folder " + root + ": " + error.message());
    ::chmod(root.c_str(), 0700);
    const fs::path real = fs::canonical(root, error);
    if (error)
        throw ImageError("cannot use the cache folder " + root + ": " + error.message());
    return real.string();
}

std::string CacheEntryName(const ImageFile& image) {
    return CacheEntryName(image.given.substr(image.given.rfind('/') + 1), image.identity);
}

std::string CacheEntryName(const std::string& readableName, const std::string& identity) {
    std::string name;
    for (char c : readableName.substr(0, 40))
        name += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.')
                    ? c
                    : '_';
    if (name.empty() || name[0] == '.')
        name.insert(0, "image");
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(Fnv1a("quilcd-cache-1\n" + identity)));
    return name + '-' + hash;
}

FileLock LockCacheEntry(const std::string& entryDir, const std::stop_token& stop) {
    std::string folder = entryDir;
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return FileLock(folder + ".lock", stop);
}

} // namespace disc_image
