#pragma once

#include <cstddef>

namespace content {

// Asks the system to back a large block that is about to be filled with huge pages. Filling
// hundreds of megabytes 4 KiB at a time costs one page fault per 4 KiB, and on a virtual machine
// such a fault can cost more than the filling itself. Only blocks large enough to have a mapping
// of their own are advised; elsewhere, and where the system does not offer it, nothing happens.
void AdviseHugePages(const void* block, std::size_t bytes);

} // namespace content
