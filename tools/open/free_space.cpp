#include "tools/open/free_space.h"

#include "tools/open/image_error.h"

#include <sys/statvfs.h>

namespace disc_image {
namespace {

constexpr std::uint64_t kSpareSpace = 64ull * 1024 * 1024;

} // namespace

void CheckFreeSpace(const std::string& folder, std::uint64_t bytes) {
    struct statvfs fsinfo {};
    if (::statvfs(folder.c_str(), &fsinfo) != 0)
        return;
    const std::uint64_t free = static_cast<std::uint64_t>(fsinfo.f_bavail) * fsinfo.f_frsize;
    if (free < bytes + kSpareSpace)
        throw ImageError("not enough free space in " + folder + " for " + std::to_string(bytes) +
                         " bytes from the image");
}

} // namespace disc_image
