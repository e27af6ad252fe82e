#pragma once

#include <chrono>
#include <thread>

namespace testkit {

using namespace std::chrono_literals;

// Waits for something that happens in another process, on the X server or in an event loop:
// asks again until the answer comes or the limit has passed, pausing between the looks (by
// sleeping, or by the caller's pause, such as running Qt's event loop). Returns the last answer,
// so the caller sees what was there when it gave up.
template <typename Probe, typename Pause>
auto WaitFor(Probe probe, std::chrono::milliseconds limit, std::chrono::milliseconds interval,
             Pause pause) -> decltype(probe()) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        auto answer = probe();
        if (answer || std::chrono::steady_clock::now() >= deadline)
            return answer;
        pause(interval);
    }
}

template <typename Probe>
auto WaitFor(Probe probe, std::chrono::milliseconds limit,
             std::chrono::milliseconds interval = 25ms) -> decltype(probe()) {
    return WaitFor(probe, limit, interval,
                   [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
}

} // namespace testkit
