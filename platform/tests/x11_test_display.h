#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform_test {

// The test's own raw xcb connection, making windows the way any other program on the display
// would. Closing it destroys its windows; the root properties it set are removed first, so the
// next test starts from a bare display.
class TestDisplay final {
public:
    TestDisplay();
    ~TestDisplay();
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    bool isOpen() const { return m_open; }
    xcb_connection_t* connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    xcb_atom_t atom(std::string_view name) const;
    // A mapped 100 x 100 input-output window.
    xcb_window_t createWindow(xcb_window_t parent);
    void destroyWindow(xcb_window_t window);
    // An 8-bit property, typed by atom name (STRING, UTF8_STRING, COMPOUND_TEXT).
    void setText(xcb_window_t window, std::string_view property, std::string_view type,
                 std::string_view bytes);
    void setValues32(xcb_window_t window, std::string_view property, xcb_atom_t type,
                     const std::vector<uint32_t>& values);
    // Waits until the server has handled everything this connection sent.
    void sync() const;

private:
    xcb_connection_t* m_connection = nullptr;
    bool m_open = false;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    std::vector<xcb_atom_t> m_rootProperties;
};

} // namespace platform_test
