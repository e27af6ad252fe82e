#pragma once

// The 64x5 credit strip: white pixel lettering on black, two palette colours only.

#include <QImage>

namespace paint {

QImage PaintCreditStrip();

} // namespace paint
