#pragma once

#include <QSize>

namespace platform {

// The primary screen's size in the pixels the window is laid out in. Needs the
// QGuiApplication; before it exists (or with no screen at all) the size is 0 x 0, which every
// "large enough" test rejects.
QSize PrimaryScreenSize();

} // namespace platform
