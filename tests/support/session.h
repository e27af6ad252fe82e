#pragma once

#include "browser_process.h"
#include "disc_copy.h"
#include "error_reports.h"
#include "input_driver.h"
#include "screen_grab.h"
#include "window_finder.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

// The whole program as one whole-program test runs it: on a disc of the test's own (the sample
// disc, or the test's own disc written into it) under an X server of its own, its main window
// once a reader could use it, the reader's clicks and keys at the window's own coordinates, and
// the program's end. The disc and the screen are there before the start, for the test to prepare.
class Session final {
public:
    explicit Session(int width = 1024, int height = 768,
                     DiscCopy::Content content = DiscCopy::Content::SampleDisc);

    // The X server of its own (one screen of the given size, no window manager), the test's
    // connection to it, its window finder, and the reader's mouse and keyboard on it.
    const std::string& display() const { return m_server.display(); }
    const XClient& client() const { return m_client; }
    const WindowFinder& windows() const { return m_windows; }
    const InputDriver& input() const { return m_input; }
    const DiscCopy& disc() const { return m_disc; }
    // The error reports the program shows: a test that expects none checks that none was closed.
    ErrorReports& reports() { return m_reports; }

    // Starts the program on the disc; `environment` (NAME=value) is added to what it gets.
    void Start(const std::vector<std::string>& environment = {});
    // Starts another way (another program of the build, or without the engine's switches).
    void Start(const ProgramStart& start);
    BrowserProcess& program() { return *m_program; }
    // Whether the program still runs, and what it wrote: for failure messages.
    std::string State() { return m_program ? m_program->State() : "not started"; }

    enum class Ready {
        Settled, // painted (the issue bar shows) and still the same X window half a second later
        Usable,  // the same on a disc whatever its content; error reports on the way are closed
                 // and counted
    };
    // Waits for the main window; afterwards window() and at() tell which and where it is.
    // `eachLook` runs at every look for it (a watch of the display, say).
    testing::AssertionResult WaitForMainWindow(std::chrono::milliseconds limit,
                                               Ready ready = Ready::Settled,
                                               const std::function<void()>& eachLook = {});
    // The same with the test's own sign of a painted window (given its screen rectangle) and
    // something to do at every look.
    testing::AssertionResult WaitForMainWindow(std::chrono::milliseconds limit,
                                               const std::function<bool(const Rect&)>& painted,
                                               const std::function<void()>& eachLook = {});
    xcb_window_t window() const { return m_window; }
    const Rect& at() const { return m_at; }

    // The reader's click at a point of the window, and keys typed into it ("shift+Tab").
    void Click(QPoint point) const;
    void Type(const std::string& keys) const;
    // The colour the screen shows at a point of the window.
    std::optional<Rgb> Pixel(QPoint point) const;

    // The program ends with status 0 within `limit`, after whatever the test did to end it.
    testing::AssertionResult EndsWithStatusZero(std::chrono::milliseconds limit);
    // The window system asks the main window to close, and the program ends with status 0.
    testing::AssertionResult CloseEndsWithStatusZero(std::chrono::milliseconds limit);

private:
    testing::AssertionResult Found(const std::optional<xcb_window_t>& window,
                                   std::chrono::milliseconds limit, const char* what);

    XvfbServer m_server;
    XClient m_client;
    WindowFinder m_windows;
    InputDriver m_input;
    DiscCopy m_disc;
    ErrorReports m_reports;
    std::unique_ptr<BrowserProcess> m_program;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    Rect m_at;
};

} // namespace testkit
