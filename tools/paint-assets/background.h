#pragma once

// The window's skin: white page columns on the left, the right-hand column with the winter
// scene and its logos, the issue bar, the pale tree ground and the band of bare trees.

#include <QImage>

namespace paint {

// Painted at `scale` image pixels per design pixel.
QImage PaintBackground(int scale);

} // namespace paint
