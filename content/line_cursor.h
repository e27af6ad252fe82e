#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace content {

// The line rule's line ends in a block of up to 64 bytes, one bit per byte: every CR, and every
// LF that does not follow a CR (that LF belongs to the CR's line end). prevCr says whether the
// byte before the block was a CR and is set for the next block. Bytes past `size` count as none.
std::uint64_t LineEndMask(const char* block, std::size_t size, bool& prevCr);

// Walks the lines of a text already cut at TextEnd, 64 bytes at a time: a reader of a large list
// spends its time on the lines, not on looking for their ends byte by byte.
class LineCursor final {
public:
    explicit LineCursor(std::string_view text) : m_data(text.data()), m_size(text.size()) {}

    // The next line, without its line end; false when there is none.
    bool Next(std::string_view& line) {
        while (m_ends == 0) {
            if (m_next >= m_size)
                return Last(line);
            m_base = m_next;
            m_next += kBlock;
            m_ends = LineEndMask(m_data + m_base, m_size - m_base, m_prevCr);
        }
        const std::size_t end = m_base + static_cast<std::size_t>(std::countr_zero(m_ends));
        m_ends &= m_ends - 1;
        line = std::string_view(m_data + m_start, end - m_start);
        // The LF of a CR LF is not in the mask: the next line starts after it.
        m_start = end + 1;
        if (m_data[end] == '\r' && m_start < m_size && m_data[m_start] == '\n')
            ++m_start;
        return true;
    }

private:
    static constexpr std::size_t kBlock = 64;

    // A last line without a line end counts; a line end at the very end adds no empty line.
    bool Last(std::string_view& line) {
        if (m_start >= m_size)
            return false;
        line = std::string_view(m_data + m_start, m_size - m_start);
        m_start = m_size;
        return true;
    }

    const char* m_data;
    std::size_t m_size;
    std::size_t m_start = 0; // where the next line begins
    std::size_t m_base = 0;  // offset of the block m_ends describes
    std::size_t m_next = 0;  // offset of the next block to look at
    std::uint64_t m_ends = 0;
    bool m_prevCr = false;
};

// The number of lines LineCursor yields for the text, counted without making them.
std::size_t CountLines(std::string_view text);

} // namespace content
