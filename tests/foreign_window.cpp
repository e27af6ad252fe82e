#include "foreign_window.h"

namespace whole_program {

xcb_window_t CreateCaptionedWindow(const XClient& client, std::string_view caption,
                                   CaptionProperty property) {
    xcb_connection_t* connection = client.connection();
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, client.root(), 20, 20, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    const bool netWm = property == CaptionProperty::NetWmName;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        netWm ? client.Atom("_NET_WM_NAME") : xcb_atom_t{XCB_ATOM_WM_NAME},
                        netWm ? client.Atom("UTF8_STRING") : xcb_atom_t{XCB_ATOM_STRING}, 8,
                        static_cast<uint32_t>(caption.size()), caption.data());
    xcb_map_window(connection, window);
    client.Sync();
    return window;
}

} // namespace whole_program
