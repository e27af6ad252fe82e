#pragma once

// The contents tree's two 16x16 arrow marks, set pixel by pixel from their lists.

#include "skin_layout.h"

#include <QImage>

namespace paint {

QImage PaintTreeMark(const skin::MarkPixels& pixels);

} // namespace paint
