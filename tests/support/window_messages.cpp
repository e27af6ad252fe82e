#include "window_messages.h"

namespace testkit {

void RequestClose(const XClient& client, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = client.Atom("WM_PROTOCOLS");
    message.data.data32[0] = client.Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(client.connection(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    client.Sync();
}

} // namespace testkit
