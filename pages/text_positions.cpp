#include "pages/text_positions.h"

#include <algorithm>

namespace pages {
namespace {

// CR LF, CR and LF each end a line; the CR of a CR LF is counted at its LF.
bool EndsLine(std::string_view text, std::size_t i) {
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

// The line ends in [from, to), in loops the compiler turns into vector code: a page may hold
// thousands of references, each asked for in turn.
int LineEnds(std::string_view text, std::size_t from, std::size_t to) {
    int count = 0;
    const std::size_t pairsTo = std::min(to, text.size() - 1);
    for (std::size_t i = from; i < pairsTo; ++i)
        count += (text[i] == '\n') + (text[i] == '\r' && text[i + 1] != '\n');
    if (pairsTo < to)
        count += EndsLine(text, pairsTo);
    return count;
}

// The characters of [from, to), which holds no line end: a continuation byte belongs to the
// character before it, and a CR there is the CR of a CR LF, counted with its LF.
int Characters(std::string_view text, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from; i < to; ++i)
        count += ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) - (text[i] == '\r');
    return count;
}

} // namespace

TextPosition TextPositions::At(std::size_t offset) {
    if (offset < m_at) {
        m_at = 0;
        m_position = {};
    }
    offset = std::min(offset, m_text.size());
    // The line's start: just past the last line end before offset, when there is one.
    std::size_t lineStart = offset;
    while (lineStart > m_at && !EndsLine(m_text, lineStart - 1))
        --lineStart;
    if (lineStart > m_at) {
        m_position.line += LineEnds(m_text, m_at, lineStart);
        m_position.column = 1;
    }
    m_position.column += Characters(m_text, std::max(lineStart, m_at), offset);
    m_at = offset;
    return m_position;
}

} // namespace pages
