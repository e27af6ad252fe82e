#pragma once

#include <QProcessEnvironment>

namespace platform {

// The environment the reader started the program with. Before Qt and the HTML engine start, the
// program sets variables for itself (the scale it draws at, the X11 platform, the engine's screen
// reader support); a program started from the disc must not inherit them: an installer drawn with
// our scale factor on a 200 % screen comes out at the wrong size. Everything the program starts
// gets the environment kept here instead.
void KeepStartEnvironment();

// The environment kept by KeepStartEnvironment, or the current one when none was kept.
QProcessEnvironment StartEnvironment();

} // namespace platform
