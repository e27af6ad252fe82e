#pragma once

#include "window_finder.h"
#include "x_client.h"

#include <chrono>
#include <functional>
#include <optional>

namespace testkit {

// A point of the skin's dark green issue bar, right of the label's text, relative to the window.
inline constexpr int kIssueBarX = 585;
inline constexpr int kIssueBarY = 172;

// The program's main window once a reader could use it: viewable and painted (its issue bar
// shows on the screen), and still the same X window half a second later: a program that
// replaced its native window while the HTML view starts would be caught changing it here.
// `eachLook` runs at every look, as below.
std::optional<xcb_window_t> WaitForSettledMainWindow(const XClient& client,
                                                     std::chrono::milliseconds limit,
                                                     const std::function<void()>& eachLook = {});

// The same wait with the caller's sign of a painted window (given the window's screen
// rectangle) and something to do at every look (such as closing error reports).
std::optional<xcb_window_t> WaitForSteadyMainWindow(const XClient& client,
                                                    std::chrono::milliseconds limit,
                                                    const std::function<bool(const Rect&)>& painted,
                                                    const std::function<void()>& eachLook = {});

} // namespace testkit
