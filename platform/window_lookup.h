#pragma once

// Finding a running instance by its window caption, and handing it the focus: the two window
// system calls the start-up makes before it decides to create a window of its own.

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// A top-level window of any program on the display, named by its X11 window id.
struct WindowHandle final {
    uint32_t id = 0;
    friend bool operator==(const WindowHandle&, const WindowHandle&) = default;
};

// The first top-level window whose caption is exactly `caption` (no prefix, no case folding),
// whatever program it belongs to, hidden windows included. The caption is a window's
// _NET_WM_NAME when it has one, else its WM_NAME. Opens its own connection to $DISPLAY, so it
// works before the application has a window and without any Qt platform. No display, or no
// such window: nullopt.
std::optional<WindowHandle> FindTopLevelWindow(const QString& caption);

// Asks for the keyboard focus to move to `window`: through the window manager when one is
// running that takes activation requests, else straight from the X server. Whether it happens
// is not reported; nullopt, a vanished window or no display do nothing.
void RequestFocus(std::optional<WindowHandle> window);

} // namespace platform
