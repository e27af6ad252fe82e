#pragma once

// The band behind the Back, Minimize and Quit keys: a pale blue photograph of bare winter trees
// in a misty wood, snow on the ground.

#include <QImage>
#include <QRect>
#include <QRgb>

namespace paint {

// Paints `area` of `canvas` (a 32-bit image). The first row is exactly `fadeFrom`, so the band
// grows out of the pale ground above it.
void PaintBareTreesBand(QImage& canvas, const QRect& area, QRgb fadeFrom);

} // namespace paint
