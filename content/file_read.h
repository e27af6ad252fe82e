#pragma once

#include "content/text_bytes.h"

#include <string>

namespace content {

// Reads a content file whole, for reading only. Anything that is not a regular file that can be
// opened (missing, a directory, a FIFO, a device, no permission) is the open error: a FIFO is
// opened without blocking and refused, so a hostile disc cannot hang the program.
std::string ReadWholeFile(const std::string& nativePath);
// The same into a buffer the lists and the tree keep as their text.
TextBytes ReadFileBytes(const std::string& nativePath);

// Whether a regular file (not a directory) exists under the path, following symbolic links.
bool IsRegularFile(const std::string& nativePath);

} // namespace content
