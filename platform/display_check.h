#pragma once

namespace platform {

// Whether the X display that $DISPLAY names can be opened. Qt's X11 platform aborts the process
// when it cannot; the program asks first, so that it can say so and end with a status of its own.
bool DisplayReachable();

} // namespace platform
