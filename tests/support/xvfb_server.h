#pragma once

#include "child_process.h"

#include <memory>
#include <string>

namespace testkit {

// An X server of the test's own, with one screen of the given size and no window manager, so
// that each test chooses its screen and sees only the windows it makes. Xvfb picks a free
// display number itself and tells it once it accepts connections.
class XvfbServer final {
public:
    XvfbServer(int width, int height); // throws std::runtime_error when it does not come up
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return m_display; } // ":N"

private:
    std::unique_ptr<ChildProcess> m_server;
    std::string m_display;
};

} // namespace testkit
