#include "bench/load_waiter.h"

#include <QEventLoop>
#include <QTimer>
#include <QWebEngineView>

TLoadWaiter::TLoadWaiter(QWebEngineView* view) {
    connect(view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (m_finished)
            return;
        m_finished = true;
        m_ok = ok;
        if (m_loop)
            m_loop->quit();
    });
}

bool TLoadWaiter::Wait(int timeoutMs) {
    if (!m_finished) {
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
    }
    return m_finished && m_ok;
}
