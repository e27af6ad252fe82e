#pragma once

#include <functional>

// quilcd-open IMAGE_OR_FOLDER: opens the disc (a folder as it is, an image through its cache) and
// runs the browser's own process on it, with its program directory where the disc's menu is:
// from the running-instance test and the screen test on, everything is what the browser placed
// there would do. `entry` is the entry routine, or a benchmark's probe around it. A disc that
// cannot be shown ends with a message on the standard error, a message box as well when started
// from the desktop, and status 1; bad usage ends with status 2.
int RunOpen(int argc, char** argv, const std::function<int()>& entry);
