#pragma once

#include <QApplication>

#include <string>
#include <vector>

// Settings that must be in place before the application object exists: Qt's X11 platform (the
// program positions, shapes and moves its own window and finds others by caption, none of which
// Wayland allows a client), the page's document for screen readers, and the quiet of the engine's
// set-up. The engine's own switches go into the application's arguments instead (below). The
// environment as started is kept first, for the programs started from the disc.
void PrepareProcessEnvironment();

// The application object's arguments: the program's own and the HTML engine's switches
// (app/engine_arguments.h), among them the sandbox off when run as root and the bound of a
// page's script heap. They live as long as the application object, which keeps a reference to
// the count.
class TApplicationArguments final {
public:
    TApplicationArguments(int argc, char** argv);
    TApplicationArguments(const TApplicationArguments&) = delete;
    TApplicationArguments& operator=(const TApplicationArguments&) = delete;

    int& Count() { return m_count; }
    char** Values() { return m_pointers.data(); }

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
    int m_count = 0;
};

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
