#pragma once

// Speckled grey granite with a bevelled edge, lit from the top left.

#include <QImage>
#include <QSize>

#include <cstdint>

namespace paint {

// Fills the top-left `slab` (in the design's pixels; the image's device pixel ratio is the scale)
// of `image` with the stone; pixels outside it stay as they are.
void PaintStoneSlab(QImage& image, const QSize& slab, std::uint32_t grain);

} // namespace paint
