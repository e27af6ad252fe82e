#pragma once

#include "x_client.h"

namespace testkit {

// What a window manager sends when the user closes a window from its frame or task bar: the
// ICCCM WM_DELETE_WINDOW request, which the window may act on as it likes.
void RequestClose(const XClient& client, xcb_window_t window);

} // namespace testkit
