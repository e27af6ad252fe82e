#pragma once

#include <cstddef>
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
// hash of its identity, holding the disc's tree (disc/), the list of its large files (lazy),
// where its menu is (menu) and the work folders of large files being written (tmp/). A folder of
// that name is complete: it is built under another name and renamed into place only once
// everything in it is written. The disc's files are read-only.
struct CachedDisc {
    std::string entryDir;   // absolute, ending in '/'
    std::string discRoot;   // entryDir + "disc/"
    std::string programDir; // absolute, ending in '/'
    std::vector<LazyFile> lazyFiles;
    std::size_t skipped = 0; // entries not written (told when the image was extracted)
    bool reused = false;     // found complete in the cache
};

inline constexpr const char* kDiscFolder = "disc";
inline constexpr const char* kWorkFolders = "tmp";

} // namespace disc_image
