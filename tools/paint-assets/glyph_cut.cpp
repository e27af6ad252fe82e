#include "glyph_cut.h"

#include "device_grid.h"
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
    const int scale = ScaleOf(background);
    QImage glyph =
        background.copy(QRect(button.topLeft() * scale, skin::GlyphSize(button) * scale));
    glyph.setDevicePixelRatio(scale);
    return glyph;
}

void SetTransparentCorner(QImage& glyph) {
    const int scale = ScaleOf(glyph);
    for (int y = glyph.height() - scale; y < glyph.height(); ++y)
        for (int x = 0; x < scale; ++x)
            glyph.setPixel(x, y, skin::kGlyphKeyColour);
}

} // namespace paint
