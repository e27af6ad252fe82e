#pragma once

#include <cstddef>
#include <string_view>

namespace pages {

// 1-based line and column of a place in a page, as an editor counts them: CR LF, CR and LF each
// end a line, and a column is a character (a Japanese character is one, whatever its bytes).
struct TextPosition {
    int line = 1;
    int column = 1;
};

// Finds positions in UTF-8 text. Asked in increasing order of offset, as a page's references
// come, each answer continues from the last, so a page is walked once however many it has.
class TextPositions final {
public:
    explicit TextPositions(std::string_view text) : m_text(text) {}

    TextPosition At(std::size_t offset);

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    TextPosition m_position;
};

} // namespace pages
