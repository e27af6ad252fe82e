#pragma once

// The window's pictures as the program finds them: PNGs in the Qt resource under /skin, drawn
// at build time by tools/paint-assets.

#include "skin_layout.h"

#include <QString>

namespace skin {

// Registers the pictures with Qt's resource system. A resource compiled into a static library
// is only linked in when something refers to it, so call this once before the first lookup.
// Calling it again does no harm.
void InitResources();

// ":/skin/<file>" for one of the file names of skin_layout.h.
QString ResourcePath(const char* file);

QString BackgroundPath();
QString GlyphPath(Glyph glyph);
QString CreditPath();
QString IconPath();
QString ExpandedMarkPath();
QString CollapsedMarkPath();

} // namespace skin
