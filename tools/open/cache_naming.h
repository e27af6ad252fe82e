#pragma once

#include "tools/open/file_lock.h"
#include "tools/open/image_file.h"

#include <string>

namespace disc_image {

// $XDG_CACHE_HOME/quilcd (an absolute XDG_CACHE_HOME only), else $HOME/.cache/quilcd, made when
// missing (private to the user), as a real path. Throws ImageError when neither is set.
std::string CacheRoot();
// The given folder made ready the same way (tests and tools choose their own).
std::string UsableCacheRoot(const std::string& root);

// The name of an image's folder in the cache: the image's own name, kept readable, and a hash of
// its identity, so that a changed or replaced image gets a folder of its own.
std::string CacheEntryName(const ImageFile& image);
// The same rule for anything else the cache keeps per disc: a readable name and an identity.
std::string CacheEntryName(const std::string& readableName, const std::string& identity);

// Held while an image's folder (entryDir, ending in '/') is looked at or built, or a work folder
// is made in it, so that two opens of one image, and an open and a large file's write, take
// turns. The lock file lies beside the folder: NAME.lock for NAME/. A wait that `stop` ends throws
// Cancelled.
FileLock LockCacheEntry(const std::string& entryDir, const std::stop_token& stop = {});

} // namespace disc_image
