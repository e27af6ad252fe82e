#include "credit_strip.h"

#include "skin_layout.h"

#include <array>
#include <string_view>

namespace paint {

namespace {

struct PixelGlyph {
    char letter;
    std::array<std::string_view, 5> rows; // '#' lit, anything else dark; all rows one width
};

// Just the letters the credit needs, three pixels wide (the brackets two), five high.
constexpr std::array<PixelGlyph, 10> kFont{{
    {'(', {".#", "#.", "#.", "#.", ".#"}},
    {')', {"#.", ".#", ".#", ".#", "#."}},
    {'C', {"###", "#..", "#..", "#..", "###"}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
}};

constexpr std::string_view kCredit = "(C)QUILLORE";

const PixelGlyph* Find(char letter) {
    for (const PixelGlyph& glyph : kFont) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr;
}

int TextWidth(std::string_view text) {
    int width = -1; // no gap after the last letter
    for (char c : text) {
        if (const PixelGlyph* glyph = Find(c)) {
            width += static_cast<int>(glyph->rows[0].size()) + 1;
        }
    }
    return width;
}

} // namespace

QImage PaintCreditStrip(int scale) {
    constexpr uint kWhite = 0;
    constexpr uint kBlack = 1;
    QImage strip(skin::kCreditSize * scale, QImage::Format_Mono);
    strip.setDevicePixelRatio(scale);
    strip.setColorTable({qRgb(0xFF, 0xFF, 0xFF), qRgb(0x00, 0x00, 0x00)});
    strip.fill(kBlack);

    int x = (skin::kCreditSize.width() - TextWidth(kCredit)) / 2;
    for (char c : kCredit) {
        const PixelGlyph* glyph = Find(c);
        if (glyph == nullptr) {
            continue;
        }
        for (int row = 0; row < 5; ++row) {
            const std::string_view bits = glyph->rows[static_cast<std::size_t>(row)];
            for (std::size_t col = 0; col < bits.size(); ++col) {
                if (bits[col] != '#') {
                    continue;
                }
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        strip.setPixel((x + static_cast<int>(col)) * scale + dx, row * scale + dy,
                                       kWhite);
                    }
                }
            }
        }
        x += static_cast<int>(glyph->rows[0].size()) + 1;
    }
    return strip;
}

} // namespace paint
