#pragma once

#include <string_view>

namespace testkit {

// The texts by which a reader, and another start of the program, recognise it.
inline constexpr std::string_view kMainFormCaption = "Quillore CD-ROM Browser Main Form";
inline constexpr std::string_view kApplicationTitle = "Quillore CD-ROM Browser";
inline constexpr std::string_view kScreenSizeMessage =
    "このプログラムは画面サイズ800×600以上で動作します。";

} // namespace testkit
