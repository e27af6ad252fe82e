#pragma once

// The 64x5 credit strip: white pixel lettering on black, two palette colours only.

#include <QImage>

namespace paint {

// Each pixel of the lettering a `scale` x `scale` block.
QImage PaintCreditStrip(int scale);

} // namespace paint
