#pragma once

#include <QString>

#include <string_view>

namespace platform {

// Decodes an X11 COMPOUND_TEXT value, the encoding older (Xlib) programs give WM_NAME when their
// title is not plain Latin-1. Covers what such programs write: ASCII and the ISO 8859 right
// halves, JIS X 0201, the 94x94 sets of Japanese, Chinese and Korean, and the UTF-8 and named
// extended segments. Whatever cannot be decoded becomes U+FFFD; nothing is dropped silently.
QString DecodeCompoundText(std::string_view bytes);

} // namespace platform
