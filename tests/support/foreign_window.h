#pragma once

#include "x_client.h"

#include <string_view>

namespace testkit {

// Which property carries a caption: the old WM_NAME (type STRING) or the EWMH _NET_WM_NAME
// (type UTF8_STRING). Programs set either or both.
enum class CaptionProperty { WmName, NetWmName };

// A mapped top-level window made with raw xcb, as any other program on the display would make
// one, carrying `caption` in the given property only. It lives until the client disconnects.
xcb_window_t CreateCaptionedWindow(const XClient& client, std::string_view caption,
                                   CaptionProperty property);

} // namespace testkit
