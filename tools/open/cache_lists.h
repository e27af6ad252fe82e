#pragma once

#include "tools/open/cached_disc.h"
#include "tools/open/extraction_plan.h"

#include <string>

namespace disc_image {

// The two lists an image's folder in the cache holds beside its disc: "menu", the path of the
// disc's menu folder, and "lazy", its large files, one a line: size, the ordinal of the entry
// holding the data, 1 when executable, the data entry's path and the file's path. Paths may
// hold any byte: those a line could not hold, and '%', are written as %XX.

// Writes both lists into a folder being built (ending in '/'). The list of large files comes
// last: its presence marks the folder complete. Throws ImageError.
void WriteCacheLists(const std::string& folder, const std::string& menu,
                     const ExtractionPlan& plan);

// Whether a folder (ending in '/') is complete: it holds its list of large files.
bool HasCacheLists(const std::string& entryDir);

// A complete folder as the window uses it. Throws ImageError when a list cannot be read, or
// holds what this program never writes: the folder was damaged after it was made.
CachedDisc ReadCachedDisc(const std::string& entryDir);

} // namespace disc_image
