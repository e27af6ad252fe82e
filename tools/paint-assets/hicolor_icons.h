#pragma once

// The window icon at the desktop's icon sizes, for installing into the hicolor theme.

#include <QString>

namespace paint {

// Writes <directory>/<N>x<N>/apps/<name>.png for each size the desktop looks for. On failure
// returns false with a message naming the file in `error`.
bool WriteHicolorIcons(const QString& directory, const QString& name, QString& error);

} // namespace paint
