#pragma once

#include <QObject>

class QEventLoop;
class QWebEngineView;

// Waits in an event loop for a view's next finished load. Made before the action that starts the
// load, so that a load finishing at once is not missed; one wait per object.
class TLoadWaiter final : public QObject {
public:
    explicit TLoadWaiter(QWebEngineView* view);

    // True when a load finished without error within the timeout.
    bool Wait(int timeoutMs = 15000);

private:
    QEventLoop* m_loop = nullptr;
    bool m_finished = false;
    bool m_ok = false;
};
