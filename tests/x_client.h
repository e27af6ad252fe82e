#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace whole_program {

// The test's own connection to the X server, independent of the program under test: what any
// other program on the same display could see and do.
class XClient final {
public:
    explicit XClient(const std::string& display); // throws std::runtime_error
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    xcb_connection_t* connection() const { return m_connection; }
    xcb_window_t root() const { return m_screen->root; }
    const xcb_screen_t& screen() const { return *m_screen; }

    xcb_atom_t Atom(std::string_view name) const; // interned: created when missing
    std::string AtomName(xcb_atom_t atom) const;

    struct Property final {
        xcb_atom_t type = XCB_NONE; // XCB_NONE: no such property
        uint8_t format = 0;
        std::string bytes;
    };
    Property ReadProperty(xcb_window_t window, std::string_view name) const;
    std::vector<uint32_t> Values32(xcb_window_t window, std::string_view name) const;

    // The window that has the keyboard focus (or XCB_NONE, or PointerRoot: 1).
    xcb_window_t InputFocus() const;

    // Waits until the server has handled everything sent on this connection.
    void Sync() const;

private:
    xcb_connection_t* m_connection = nullptr;
    const xcb_screen_t* m_screen = nullptr;
};

} // namespace whole_program
