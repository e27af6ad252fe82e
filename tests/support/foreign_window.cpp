#include "foreign_window.h"

namespace testkit {

xcb_window_t CreateCaptionedWindow(const XClient& client, std::string_view caption,
                                   CaptionProperty property) {
    const xcb_window_t window = client.CreateWindow(client.root(), 20, 20, 200, 100);
    if (property == CaptionProperty::NetWmName)
        client.SetText(window, "_NET_WM_NAME", "UTF8_STRING", caption);
    else
        client.SetText(window, "WM_NAME", "STRING", caption);
    client.Sync();
    return window;
}

} // namespace testkit
