#include "glyph_cut.h"

#include "skin_layout.h"

namespace paint {

void KeepKeyColourOut(QImage& image) {
    const QRgb nearRed = qRgb(0xFE, 0x00, 0x00);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == (skin::kGlyphKeyColour & RGB_MASK)) {
                line[x] = (line[x] & ~RGB_MASK) | (nearRed & RGB_MASK);
            }
        }
    }
}

QImage CutGlyph(const QImage& background, const QRect& button) {
    return background.copy(QRect(button.topLeft(), skin::GlyphSize(button)));
}

void SetTransparentCorner(QImage& glyph) {
    glyph.setPixel(0, glyph.height() - 1, skin::kGlyphKeyColour);
}

} // namespace paint
