#pragma once

// Writing the skin to disk: one PNG per picture and the Qt resource file that lists them under
// the /skin prefix.

#include "skin_set.h"

#include <QString>

#include <vector>

namespace paint {

inline constexpr const char* kResourceFile = "skin.qrc";

// Writes into `directory`, creating it if need be. On failure returns false with a message
// naming the file in `error`.
bool WriteSkin(const QString& directory, const std::vector<Picture>& pictures, QString& error);

} // namespace paint
