#include "pages/text_positions.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Line and column as an editor counts them, walked byte by byte from the start.
pages::TextPosition Walked(std::string_view text, std::size_t offset) {
    pages::TextPosition at;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (c == '\n' || c == '\r') {
            ++at.line;
            at.column = 1;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++at.column;
        }
    }
    return at;
}

TEST(TextPositions, CountLinesAndCharactersAsAnEditorDoes) {
    const std::string pieces[] = {"a", "\r\n", "\r", "\n", "表", "ｿ", "\t", " ", "<a href=x>"};
    std::mt19937 random(1999);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = 0; i < 60; ++i)
            text += pieces[piece(random)];
        pages::TextPositions positions(text);
        // In increasing order, as a page's references come, and once back to the start.
        std::vector<std::size_t> offsets;
        for (std::size_t at = 0; at <= text.size() + 1; at += 1 + random() % 7)
            offsets.push_back(at);
        offsets.push_back(random() % (text.size() + 1));
        for (const std::size_t offset : offsets) {
            const pages::TextPosition got = positions.At(offset);
            const pages::TextPosition expected = Walked(text, offset);
            ASSERT_EQ(got.line, expected.line) << testing::PrintToString(text) << " @" << offset;
            ASSERT_EQ(got.column, expected.column)
                << testing::PrintToString(text) << " @" << offset;
        }
    }
}

} // namespace
