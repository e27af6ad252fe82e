#include "pages/parse_arena.h"

#include "content/huge_pages.h"

#include <algorithm>
#include <gumbo.h>
#include <time.h>

namespace pages {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr std::size_t kLargestBlock = std::size_t{64} << 20;
constexpr std::size_t kKeptBytes = std::size_t{16} << 20; // kept for the next page
constexpr std::size_t kAlign = alignof(std::max_align_t);
// Asking the clock is a system call (a thread's processor time has no fast path): once in this
// many allocations, a fraction of a millisecond of parsing, against a limit of seconds.
constexpr unsigned kCheckEvery = 8192;

double ThreadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The parse, apart from everything with a destructor: the limit leaves it by longjmp, through
// the parser's C frames only.
const GumboOutput* ParseOrGiveUp(const GumboOptions* options, const char* text, std::size_t size,
                                 std::jmp_buf& giveUp) {
    if (setjmp(giveUp) != 0)
        return nullptr;
    return gumbo_parse_with_options(options, text, size);
}

} // namespace

void* ParseArena::Allocate(void* self, std::size_t size) {
    return static_cast<ParseArena*>(self)->Take(size);
}

void ParseArena::Release(void*, void*) {
    // Everything goes at once with the arena.
}

void* ParseArena::Take(std::size_t size) {
    if (++m_sinceCheck >= kCheckEvery) {
        m_sinceCheck = 0;
        if (ThreadCpuSeconds() > m_cpuLimit)
            std::longjmp(m_giveUp, 1);
    }
    size = (size + kAlign - 1) / kAlign * kAlign;
    while (m_block < m_blocks.size() && m_used + size > m_blocks[m_block].size) {
        ++m_block;
        m_used = 0;
    }
    if (m_block == m_blocks.size()) {
        // Each new block as large as all before it (up to a cap), so that a huge page's tree
        // lies in a few blocks whose pages are mapped at once: on a virtual machine a fault per
        // 4 KiB costs more than the parse.
        std::size_t blockSize = kBlockSize;
        for (const Block& block : m_blocks)
            blockSize += block.size;
        blockSize = std::min(std::max(blockSize, size), std::max(kLargestBlock, size));
        m_blocks.push_back(
            {std::unique_ptr<unsigned char[]>(new unsigned char[blockSize]), blockSize});
        content::AdviseHugePages(m_blocks.back().bytes.get(), blockSize);
        m_used = 0;
    }
    void* pointer = m_blocks[m_block].bytes.get() + m_used;
    m_used += size;
    return pointer;
}

void ParseArena::Reset() {
    // A huge page's blocks go back to the system; a usual page's stay for the next one.
    std::size_t kept = 0;
    std::size_t keep = 0;
    while (keep < m_blocks.size() && kept + m_blocks[keep].size <= kKeptBytes)
        kept += m_blocks[keep++].size;
    m_blocks.resize(keep);
    m_block = 0;
    m_used = 0;
    m_sinceCheck = 0;
}

const GumboInternalOutput* ParseArena::Parse(const char* text, std::size_t size,
                                             double fixedSeconds, double secondsPerMb) {
    Reset();
    m_cpuLimit = ThreadCpuSeconds() + fixedSeconds +
                 secondsPerMb * static_cast<double>(size) / (1024.0 * 1024.0);
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = &ParseArena::Allocate;
    options.deallocator = &ParseArena::Release;
    options.userdata = this;
    options.max_errors = 0; // the parse errors are not wanted, only the tree
    return ParseOrGiveUp(&options, text, size, m_giveUp);
}

} // namespace pages
