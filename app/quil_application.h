#pragma once

#include <QApplication>

// Settings that must be in place before the application object exists: Qt's X11 platform (the
// program positions, shapes and moves its own window and finds others by caption, none of which
// Wayland allows a client), the engine's sandbox, which cannot run as root, the page's document
// for screen readers, and the quiet of the engine's set-up.
void PrepareProcessEnvironment();

// Whether the window system can be reached; says why on the standard error when it cannot. On
// X11 the same look at the display chooses the scale the window is drawn at, which Qt reads
// when the application object is made (platform/window_scale.h).
bool DisplayCanBeOpened();

// The application object. An error that escapes the handling of an event is shown by the
// general error report, and the loop goes on with the next event.
class TQuilApplication final : public QApplication {
public:
    TQuilApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
