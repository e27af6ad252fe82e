#pragma once

#include <xcb/xcb.h>

#include <string>
#include <vector>

namespace testkit {

// The reader's mouse and keyboard, through xdotool and the XTEST extension: the events arrive as
// if from real devices, at screen coordinates. Each step throws std::runtime_error when xdotool
// fails or hangs.
class InputDriver final {
public:
    explicit InputDriver(std::string display) : m_display(std::move(display)) {}

    void MoveTo(int x, int y) const;
    void Click(int x, int y) const;
    // Three quick clicks: selects the whole line of text under the pointer.
    void TripleClick(int x, int y) const;
    // Press the left button at (x, y), move by (dx, dy) in a few steps, release there.
    void Drag(int x, int y, int dx, int dy) const;
    // Gives `window` the keyboard focus (there is no window manager to do it), then types `keys`
    // in xdotool's notation, such as "Return" or "ctrl+c".
    void TypeInto(xcb_window_t window, const std::string& keys) const;

private:
    void Run(const std::vector<std::string>& arguments) const;

    std::string m_display;
};

} // namespace testkit
