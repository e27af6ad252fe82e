#pragma once

// Speckled grey granite with a bevelled edge, lit from the top left.

#include <QImage>
#include <QSize>

#include <cstdint>

namespace paint {

// Fills the top-left `slab` of `image` with the stone; pixels outside it stay as they are.
void PaintStoneSlab(QImage& image, const QSize& slab, std::uint32_t grain);

} // namespace paint
