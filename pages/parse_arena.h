#pragma once

#include <csetjmp>
#include <cstddef>
#include <memory>
#include <vector>

struct GumboInternalOptions;
struct GumboInternalOutput;

namespace pages {

// The memory of one page's parse, and its limit. The HTML parser asks for every node here and
// the whole tree goes at once when the next page begins, so a tree is never taken apart node by
// node (which the parser's own release does recursively: a page nested a million deep would
// overflow the stack). The parser also looks through the stack of open elements for each new
// one, so a page nested that deep takes hours; a parse that has used more processor time than
// the page's size allows is given up instead.
class ParseArena final {
public:
    ParseArena() = default;
    ParseArena(const ParseArena&) = delete;
    ParseArena& operator=(const ParseArena&) = delete;

    // Parses UTF-8 text within the limit: seconds of processor time for the parse, fixed plus
    // per MB of text. Nullptr when the limit was reached; the tree otherwise, valid until the
    // next parse.
    const GumboInternalOutput* Parse(const char* text, std::size_t size, double fixedSeconds,
                                     double secondsPerMb);

private:
    static void* Allocate(void* self, std::size_t size);
    static void Release(void* self, void* pointer);
    void* Take(std::size_t size);
    void Reset();

    struct Block {
        std::unique_ptr<unsigned char[]> bytes;
        std::size_t size = 0;
    };
    std::vector<Block> m_blocks;
    std::size_t m_block = 0; // the block being filled
    std::size_t m_used = 0;  // bytes of it handed out
    double m_cpuLimit = 0;   // thread processor time at which the parse is given up
    unsigned m_sinceCheck = 0;
    std::jmp_buf m_giveUp;
};

} // namespace pages
