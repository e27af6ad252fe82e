#pragma once

#include "x_client.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <string>

namespace testkit {

// The reader's mouse and keyboard, through the X server's XTEST extension on a connection of
// the test's own: the events arrive as if from real devices, at screen coordinates, and each
// step returns once the server has taken it. Throws std::runtime_error when the server has no
// XTEST or a key has no key code.
class InputDriver final {
public:
    explicit InputDriver(const std::string& display);
    ~InputDriver();
    InputDriver(const InputDriver&) = delete;
    InputDriver& operator=(const InputDriver&) = delete;

    void MoveTo(int x, int y) const;
    void Click(int x, int y) const;
    // Three quick clicks: selects the whole line of text under the pointer.
    void TripleClick(int x, int y) const;
    // Press the left button at (x, y), move by (dx, dy) in a few steps, release there.
    void Drag(int x, int y, int dx, int dy) const;
    // Gives `window` the keyboard focus (there is no window manager to do it), then types `keys`
    // by their X names: a key's name ("Return", "KP_Enter", "space", "a"), after the
    // modifiers held with it ("shift+Tab", "alt+a").
    void TypeInto(xcb_window_t window, const std::string& keys) const;

private:
    void Fake(uint8_t type, uint8_t detail, int x = 0, int y = 0) const;
    xcb_keycode_t KeyCode(const std::string& name) const;

    XClient m_client;
    xcb_key_symbols_t* m_symbols;
};

} // namespace testkit
