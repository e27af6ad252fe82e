#pragma once

// The window's pictures as the program finds them: PNGs in the Qt resource under /skin, drawn
// at build time by tools/paint-assets.

#include "skin_layout.h"

#include <QImage>
#include <QString>

namespace skin {

// Registers the pictures with Qt's resource system. A resource compiled into a static library
// is only linked in when something refers to it, so call this once before the first lookup.
// Calling it again does no harm.
void InitResources();

// The scale of the pictures for a device pixel ratio: the 2x ones above 100 %, as Qt picks
// "@2x" files for its icons.
int PictureScale(qreal devicePixelRatio);

// ":/skin/<file>" or ":/skin/<name>@2x.png" for one of the file names of skin_layout.h.
QString ResourcePath(const char* file, int scale);

// A picture at a scale, its device pixel ratio set to that scale so that it covers its size in
// the design's pixels.
QImage LoadPicture(const char* file, int scale);

// A picture as the window shows it at a device pixel ratio: the 1x or 2x picture as drawn when
// the ratio is 1 or 2, else the 2x picture resampled smoothly to the exact size in device pixels.
QImage PictureFor(const char* file, qreal devicePixelRatio);

// The window icon: ":/skin/icon.png", beside which QIcon finds the 2x one by itself.
QString IconPath();

} // namespace skin
