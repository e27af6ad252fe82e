#pragma once

#include "tools/open/image_file.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace disc_image {

// A large file of the image, written when first needed.
struct LazyFile {
    std::string path; // relative to the cached disc's root
    std::uint64_t size = 0;
    std::size_t dataOrdinal = 0; // the image entry holding its data
    std::string dataPath;        // that entry's path
    bool executable = false;
};

// An image extracted into the reader's cache: one folder per image, named after the image and a
// hash of its identity, holding the disc's tree (disc/), the list of its large files (lazy) and
// where its menu is (menu). A folder of that name is complete: it is built under another name and
// renamed into place only once everything in it is written. The disc's files are read-only.
struct CachedDisc {
    std::string entryDir;   // absolute, ending in '/'
    std::string discRoot;   // entryDir + "disc/"
    std::string programDir; // absolute, ending in '/'
    std::vector<LazyFile> lazyFiles;
    std::size_t skipped = 0; // entries not written (told when the image was extracted)
    bool reused = false;     // found complete in the cache
};

// $XDG_CACHE_HOME/quilcd (an absolute XDG_CACHE_HOME only), else $HOME/.cache/quilcd, made when
// missing (private to the user), as a real path. Throws ImageError when neither is set.
std::string CacheRoot();
// The given folder made ready the same way (tests and tools choose their own).
std::string UsableCacheRoot(const std::string& root);

// The image's folder in the cache: reused when complete, otherwise extracted now (small files
// written, large ones standing in empty). Concurrent opens of one image take turns. Throws
// ImageError, leaving nothing a later open would take for complete.
CachedDisc OpenCachedDisc(const ImageFile& image, const std::string& cacheRoot);

// Whether a large file's data is in the cache.
bool IsWritten(const CachedDisc& disc, const LazyFile& file);

// Writes a large file's data from the image (which must still be the image the cache was made
// from): into a temporary file first, renamed over its stand-in once complete and read-only.
// `progress` counts the bytes written. Throws ImageError.
void WriteLazyFile(const ImageFile& image, const CachedDisc& disc, const LazyFile& file,
                   std::atomic<std::uint64_t>* progress = nullptr);

} // namespace disc_image
