#pragma once

// The window and program icon: a white italic Q with a red stroke on a dark blue-grey tile.

#include "skin_layout.h"

#include <QImage>

namespace paint {

// At the skin's icon size, or drawn to fit another (the desktop's square icon sizes, the skin's
// icon at twice its size), centred.
QImage PaintWindowIcon(QSize size = skin::kIconSize);

} // namespace paint
