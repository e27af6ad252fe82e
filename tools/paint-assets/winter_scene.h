#pragma once

// The winter landscape at the top of the right-hand column: a deep winter sky, a snowy range,
// hills with pines and falling snow, lit from the left like a late-afternoon photograph.

#include <QImage>
#include <QRect>
#include <QRgb>

namespace paint {

// Paints `area` of `canvas` (a 32-bit image). The scene's last row is exactly `fadeTo`, so the
// pale ground below it continues without a seam.
void PaintWinterScene(QImage& canvas, const QRect& area, QRgb fadeTo);

} // namespace paint
