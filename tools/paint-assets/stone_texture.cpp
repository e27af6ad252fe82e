#include "stone_texture.h"

#include "device_grid.h"
#include "noise.h"
#include "shading.h"

#include <algorithm>

namespace paint {

namespace {

// The stone at a point of the design (fx, fy); its specks are one image pixel each, so a finer
// picture shows a finer grain.
QRgb Granite(float fx, float fy, int speckX, int speckY, int height, std::uint32_t grain,
             int finer) {
    float grey = 170.0F + (Fractal(fx / 9.0F, fy / 6.0F, 4 + finer, grain) - 0.5F) * 40.0F;
    const float speck = Hash01(speckX, speckY, grain + 1);
    if (speck > 0.94F) {
        grey -= 34.0F * (speck - 0.94F) / 0.06F;
    } else if (speck < 0.04F) {
        grey += 22.0F;
    }
    // A little more light towards the top, as on a rounded slab.
    grey += (0.5F - fy / static_cast<float>(height)) * 14.0F;
    return qRgb(Channel(grey), Channel(grey + 1.0F), Channel(grey + 5.0F));
}

} // namespace

void PaintStoneSlab(QImage& image, const QSize& slab, std::uint32_t grain) {
    const int scale = ScaleOf(image);
    const int w = slab.width();
    const int h = slab.height();
    for (int row = 0; row < h * scale; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < w * scale; ++col) {
            QRgb c = Granite(DesignCoordinate(col, scale), DesignCoordinate(row, scale), col, row,
                             h, grain, FinerOctaves(scale));
            // The bevel's bands are whole pixels of the design.
            const int x = col / scale;
            const int y = row / scale;
            const int lit = std::min(x, y);
            const int shaded = std::min(w - 1 - x, h - 1 - y);
            if (std::min(lit, shaded) == 0) {
                c = qRgb(0x30, 0x31, 0x33);
            } else if (shaded == 1) {
                c = Lift(c, -52.0F);
            } else if (lit == 1) {
                c = Lift(c, 48.0F);
            } else if (shaded == 2) {
                c = Lift(c, -22.0F);
            } else if (lit == 2) {
                c = Lift(c, 20.0F);
            }
            line[col] = c;
        }
    }
}

} // namespace paint
