#include "pages/text_positions.h"

namespace pages {

TextPosition TextPositions::At(std::size_t offset) {
    if (offset < m_at) {
        m_at = 0;
        m_position = {};
    }
    if (offset > m_text.size())
        offset = m_text.size();
    for (; m_at < offset; ++m_at) {
        const char c = m_text[m_at];
        const bool crOfCrLf = c == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n';
        if (c == '\n' || (c == '\r' && !crOfCrLf)) {
            ++m_position.line;
            m_position.column = 1;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && !crOfCrLf) {
            ++m_position.column; // a continuation byte belongs to the character before it
        }
    }
    return m_position;
}

} // namespace pages
