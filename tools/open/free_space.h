#pragma once

#include <cstdint>
#include <string>

namespace disc_image {

// Throws ImageError unless the file system of `folder` has room for `bytes` and 64 MiB to spare,
// so that extracting an image never fills the reader's disk. A file system that cannot tell is
// taken to have room.
void CheckFreeSpace(const std::string& folder, std::uint64_t bytes);

} // namespace disc_image
