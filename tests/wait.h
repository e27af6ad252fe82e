#pragma once

#include <chrono>
#include <thread>

namespace whole_program {

using namespace std::chrono_literals;

// Everything these tests wait for happens in another process or on the X server, so there is
// nothing to block on but time: ask again until the answer comes or the limit has passed.
// Returns the last answer, so the caller sees what was there when it gave up.
template <typename Probe>
auto WaitFor(Probe probe, std::chrono::milliseconds limit,
             std::chrono::milliseconds interval = 25ms) -> decltype(probe()) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        auto answer = probe();
        if (answer || std::chrono::steady_clock::now() >= deadline) {
            return answer;
        }
        std::this_thread::sleep_for(interval);
    }
}

} // namespace whole_program
