#include "content/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace content {

void AdviseHugePages([[maybe_unused]] const void* block, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // The C library's allocator maps every block of 32 MiB or more on its own, so the advice
    // never reaches memory that other objects live in.
    constexpr std::size_t kSmallest = std::size_t{32} << 20;
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    if (bytes >= kSmallest) {
        const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
        const std::uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
        if (last > first)
            ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
#if defined(MADV_POPULATE_WRITE)
    constexpr std::uintptr_t kPage = 4096;
    if (bytes >= (std::size_t{1} << 20)) {
        const std::uintptr_t first = (begin + kPage - 1) & ~(kPage - 1);
        const std::uintptr_t last = (begin + bytes) & ~(kPage - 1);
        if (last > first)
            ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
    }
#endif
#endif
}

} // namespace content
