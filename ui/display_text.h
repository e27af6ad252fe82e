#pragma once

#include <QString>
#include <string_view>

// The one conversion of the disc's bytes (CP932) into text to show: tree items, captions,
// hints, the issue label. Bytes that are not CP932 show as U+FFFD; nothing is lost or thrown.
QString DisplayText(std::string_view cp932);
