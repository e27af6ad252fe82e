#pragma once

#include "tools/open/cached_disc.h"
#include "tools/open/image_file.h"

#include <cstdint>
#include <functional>
#include <stop_token>

namespace disc_image {

// Whether a large file's data is in the cache.
bool IsWritten(const CachedDisc& disc, const LazyFile& file);

// What a write tells while it works and what may stop it; both are used on the writing thread.
struct WriteWatch {
    // Told the bytes written so far after each piece.
    std::function<void(std::uint64_t written)> progress;
    // Looked at while the image's folder is waited for and after each piece: once requested, the
    // write ends with Cancelled.
    std::stop_token stop;
};

// Writes a large file's data from the image (which must still be the image the cache was made
// from): into a work folder of its own first, renamed over its stand-in once complete and
// read-only. A write that fails or is cancelled leaves the stand-in as it was and nothing of its
// own. Throws ImageError, or Cancelled.
void WriteLazyFile(const ImageFile& image, const CachedDisc& disc, const LazyFile& file,
                   const WriteWatch& watch = {});

} // namespace disc_image
