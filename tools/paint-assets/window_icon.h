#pragma once

// The window and program icon: a white italic Q with a red stroke on a dark blue-grey tile.

#include <QImage>

namespace paint {

QImage PaintWindowIcon(int scale);

} // namespace paint
