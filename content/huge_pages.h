#pragma once

#include <cstddef>

namespace content {

// Prepares a large block that is about to be filled. Filling hundreds of megabytes 4 KiB at a
// time costs one page fault per 4 KiB, and on a virtual machine such a fault can cost more than
// the filling itself: blocks large enough to have a mapping of their own are backed by huge
// pages where the system offers them, and the pages of every block of 1 MiB or more are mapped in
// one call. Elsewhere nothing happens.
void AdviseHugePages(const void* block, std::size_t bytes);

} // namespace content
