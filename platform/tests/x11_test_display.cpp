#include "x11_test_display.h"

#include <cstdlib>

namespace platform_test {

TestDisplay::TestDisplay() : m_connection(xcb_connect(nullptr, nullptr)) {
    m_open = xcb_connection_has_error(m_connection) == 0;
    if (m_open) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
}

TestDisplay::~TestDisplay() {
    if (m_open) {
        for (const xcb_atom_t property : m_rootProperties) {
            xcb_delete_property(m_connection, m_root, property);
        }
        sync();
    }
    xcb_disconnect(m_connection);
}

xcb_atom_t TestDisplay::atom(std::string_view name) const {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

xcb_window_t TestDisplay::createWindow(xcb_window_t parent) {
    const xcb_window_t window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, parent, 10, 10, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(m_connection, window);
    return window;
}

void TestDisplay::destroyWindow(xcb_window_t window) {
    xcb_destroy_window(m_connection, window);
}

void TestDisplay::setText(xcb_window_t window, std::string_view property, std::string_view type,
                          std::string_view bytes) {
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom(property), atom(type), 8,
                        static_cast<uint32_t>(bytes.size()), bytes.data());
}

void TestDisplay::setValues32(xcb_window_t window, std::string_view property, xcb_atom_t type,
                              const std::vector<uint32_t>& values) {
    const xcb_atom_t name = atom(property);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, name, type, 32,
                        static_cast<uint32_t>(values.size()), values.data());
    if (window == m_root) {
        m_rootProperties.push_back(name);
    }
}

void TestDisplay::sync() const {
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

} // namespace platform_test
