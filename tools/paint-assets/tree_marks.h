#pragma once

// The contents tree's two 16x16 arrow marks, set pixel by pixel from their lists; at a larger
// scale each listed pixel is a `scale` x `scale` block.

#include "skin_layout.h"

#include <QImage>

namespace paint {

QImage PaintTreeMark(const skin::MarkPixels& pixels, int scale);

} // namespace paint
