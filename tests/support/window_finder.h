#pragma once

#include "x_client.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace testkit {

struct Rect final {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rect& rect);

// Top-level windows as the display holds them. With no window manager nothing is reparented, so
// the top-level windows are exactly the root's children.
class WindowFinder final {
public:
    explicit WindowFinder(const XClient& client) : m_client(client) {}

    std::vector<xcb_window_t> TopLevelWindows() const;
    // The caption in UTF-8: _NET_WM_NAME when set, else WM_NAME (STRING is ISO 8859-1).
    std::optional<std::string> Caption(xcb_window_t window) const;
    std::vector<xcb_window_t> Captioned(std::string_view caption) const;
    // Only those a user could see: mapped, with every ancestor mapped.
    std::vector<xcb_window_t> ViewableCaptioned(std::string_view caption) const;
    bool IsViewable(xcb_window_t window) const;
    // The first viewable window with `caption` to show up within `limit`.
    std::optional<xcb_window_t> WaitForViewable(std::string_view caption,
                                                std::chrono::milliseconds limit) const;
    // Position on the screen and size; nullopt once the window has gone.
    std::optional<Rect> Geometry(xcb_window_t window) const;

private:
    const XClient& m_client;
};

} // namespace testkit
