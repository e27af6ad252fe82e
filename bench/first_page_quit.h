#pragma once

#include <QObject>

// Ends the application's event loop when the main window's page view has finished loading its
// first page, so that a run of the real program's start-up measures start to first page. It
// touches nothing of the program: once the loop runs, it looks for the window's view and
// listens to it. A load that never ends is given up on after the timeout.
class TFirstPageQuit final : public QObject {
public:
    explicit TFirstPageQuit(int timeoutMs = 60000);

    bool Loaded() const { return m_loaded; } // the first page finished loading without error

private:
    void Attach();

    bool m_loaded = false;
};
