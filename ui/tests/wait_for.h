#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>

// Runs the event loop until the condition holds or the time is up; true when it held. The real
// view works in other processes and the tree's change comes from a timer, so the window tests
// wait for what they check rather than for a fixed time.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 15000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}
