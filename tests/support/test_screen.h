#pragma once

#include "input_driver.h"
#include "window_finder.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <string>

namespace testkit {

// An X server of the test's own, with one screen of the given size and no window manager, and
// on it the test's own connection, its window finder, and the reader's mouse and keyboard.
class TestScreen final {
public:
    explicit TestScreen(int width = 1024, int height = 768);

    const std::string& display() const { return m_server.display(); }
    const XClient& client() const { return m_client; }
    const WindowFinder& windows() const { return m_windows; }
    const InputDriver& input() const { return m_input; }

private:
    XvfbServer m_server;
    XClient m_client;
    WindowFinder m_windows;
    InputDriver m_input;
};

} // namespace testkit
