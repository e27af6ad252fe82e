#pragma once

// How the skin will look in the window: the background with every glyph placed
// on its button, the issue label's design text and the tree view's white ground. For judging
// the artwork; the program never uses it.

#include "skin_set.h"

#include <QImage>

#include <vector>

namespace paint {

QImage ComposePreview(const std::vector<Picture>& pictures);

} // namespace paint
