#pragma once

#include "tools/open/disc_cache.h"
#include "tools/open/image_file.h"

#include <optional>
#include <string>

namespace disc_image {

// A disc ready to be shown: its program directory, and for an image, the image and its cache.
struct OpenedDisc {
    std::string programDir; // absolute, real, ending in '/'
    std::optional<ImageFile> image;
    std::optional<CachedDisc> cache;
};

// Opens what the reader gave: a folder (a copied or mounted disc), shown where it is, or a disc
// image, extracted into its folder under cacheRoot (CacheRoot() when empty). Throws ImageError
// with the reason: the path cannot be read, is no disc image, is damaged, or holds no menu.
OpenedDisc OpenDisc(const std::string& path, const std::string& cacheRoot = {});

} // namespace disc_image
