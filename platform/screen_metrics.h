#pragma once

#include "platform/window_scale.h"

#include <QSize>

#include <optional>

namespace platform {

// The primary screen's size in the pixels the window is laid out in. Needs the
// QGuiApplication; before it exists (or with no screen at all) the size is 0 x 0, which every
// "large enough" test rejects.
QSize PrimaryScreenSize();

// What decides the window's scale, read before the application object exists: the primary
// screen in device pixels (the RandR monitor Qt will call primary, else the root window's whole
// size) and the root window's X resources from the X server that $DISPLAY names, Qt's high-DPI
// settings from the environment. nullopt when the display cannot be opened.
std::optional<ScaleSettings> ReadScaleSettings();

// Puts the choice into effect for the application object still to be made (QT_SCALE_FACTOR),
// and keeps it for the screen test.
void ApplyWindowScale(const ScaleChoice& choice);

// The entry routine's screen test: whether the screen takes the window at 100 % or smaller. It
// follows the choice applied; without one (a platform other than X11) it compares the screen as
// Qt reports it, which needs the QGuiApplication.
bool ScreenTakesWindow();

} // namespace platform
