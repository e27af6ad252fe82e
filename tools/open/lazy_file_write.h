#pragma once

#include "tools/open/cached_disc.h"
#include "tools/open/image_file.h"

#include <atomic>
#include <cstdint>

namespace disc_image {

// Whether a large file's data is in the cache.
bool IsWritten(const CachedDisc& disc, const LazyFile& file);

// Writes a large file's data from the image (which must still be the image the cache was made
// from): into a work folder of its own first, renamed over its stand-in once complete and
// read-only. `progress` counts the bytes written. Throws ImageError.
void WriteLazyFile(const ImageFile& image, const CachedDisc& disc, const LazyFile& file,
                   std::atomic<std::uint64_t>* progress = nullptr);

} // namespace disc_image
