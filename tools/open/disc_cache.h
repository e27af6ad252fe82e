#pragma once

// The reader's cache of extracted images, as the opener and the window use it: where it is
// (cache_naming.h), opening an image's folder in it (here), and writing a large file when it is
// first needed (lazy_file_write.h).
#include "tools/open/cache_naming.h"
#include "tools/open/cached_disc.h"
#include "tools/open/image_file.h"
#include "tools/open/lazy_file_write.h"

#include <string>

namespace disc_image {

// The image's folder in the cache: reused when complete (what writers of large files that ended
// without finishing left in it is cleared), otherwise extracted now (small files written, large
// ones standing in empty). Concurrent opens of one image take turns. Throws ImageError, leaving
// nothing a later open would take for complete.
CachedDisc OpenCachedDisc(const ImageFile& image, const std::string& cacheRoot);

} // namespace disc_image
