#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testkit {

// The test's own connection to the X server, independent of the program under test: what any
// other program on the same display could see and do.
class XClient final {
public:
    // To the given display, or to $DISPLAY; throws std::runtime_error when it cannot connect.
    explicit XClient(const std::string& display = {});
    ~XClient(); // removes first what it set on the root, so the next test finds a bare display
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

    // A mapped input-output window, as any other program makes one.
    xcb_window_t CreateWindow(xcb_window_t parent, int x = 10, int y = 10, int width = 100,
                              int height = 100) const;
    void DestroyWindow(xcb_window_t window) const;
    // An 8-bit property typed by atom name (STRING, UTF8_STRING, COMPOUND_TEXT), and a 32-bit
    // one.
    void SetText(xcb_window_t window, std::string_view property, std::string_view type,
                 std::string_view bytes) const;
    void SetValues32(xcb_window_t window, std::string_view property, xcb_atom_t type,
                     const std::vector<uint32_t>& values) const;

    // Waits until the server has handled everything sent on this connection.
    void Sync() const;

private:
    void SetProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, uint8_t format,
                     uint32_t count, const void* data) const;

    xcb_connection_t* m_connection = nullptr;
    const xcb_screen_t* m_screen = nullptr;
    mutable std::vector<xcb_atom_t> m_rootProperties; // set on the root, removed at the end
};

} // namespace testkit
