#pragma once

#include "tools/open/file_descriptor.h"

#include <cstddef>
#include <string>

namespace disc_image {

// Writing below a folder of the cache by descriptor. An image's names are untrusted, so every
// name is opened relative to its folder and no symbolic link is followed on the way: nothing
// written can be led out of the tree. Each throws ImageError with `what` (the path the reader
// knows) and the system's reason.

// An existing folder, opened for the calls below.
Fd OpenFolder(const std::string& path);

// The folder holding `path` (relative to root, '/'-separated), reached one name at a time;
// `leaf` gets the last name.
Fd OpenParent(int root, const std::string& path, std::string& leaf);

// A new file (never one that is there, never through a link), private until MakeReadOnly.
Fd CreateFile(int parent, const std::string& leaf, const std::string& what);

void WriteAll(int fd, const void* data, std::size_t size, const std::string& what);

// Copies what is left to read of `from` to the end of `to`.
void CopyData(int from, int to, const std::string& fromWhat, const std::string& toWhat);

// The cache's files are read-only: r-x for an executable, r-- otherwise, for everyone.
void MakeReadOnly(const Fd& fd, bool executable, const std::string& what);

} // namespace disc_image
