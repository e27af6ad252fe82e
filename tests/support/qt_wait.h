#pragma once

#include "tests/support/wait.h"

#include <QTest>

#include <functional>

// Runs the event loop until the condition holds or the time is up; true when it held. The real
// view works in other processes and the tree's change comes from a timer, so the window tests
// wait for what they check rather than for a fixed time.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 15000) {
    return testkit::WaitFor(
        condition, std::chrono::milliseconds(timeoutMs), std::chrono::milliseconds(20),
        [](std::chrono::milliseconds pause) { QTest::qWait(static_cast<int>(pause.count())); });
}
