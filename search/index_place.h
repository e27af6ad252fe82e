#pragma once

#include "content/load_sequence.h"

#include <string>

namespace search {

// Where the search keeps a disc's pages: $XDG_CACHE_HOME/quilcd/search/ (the cache quilcd-open
// keeps its images in), one file per disc named as the opener names an image's folder: the
// disc's folder name and a hash of its identity (the program directory's real path, device and
// inode). A disc that changes keeps its name; the file itself tells when it is stale.
struct IndexPlace {
    std::string path;    // empty: no cache can be had
    std::string problem; // why, when path is empty
};

// cacheRoot empty: the reader's cache root. The search folder is made when missing.
IndexPlace IndexPlaceFor(const content::DiscDirs& dirs, const std::string& cacheRoot = {});

} // namespace search
