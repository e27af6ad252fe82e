#include "content/content_error.h"

#include "content/cp932.h"

namespace content {

ContentError OpenError(std::string_view nativePath) {
    return {ErrorKind::Open, "ファイル " + std::string(nativePath) + " は開けません"};
}

ContentError LevelError(long long level, std::string_view textCp932) {
    return {ErrorKind::Level, "アイテム \"" + Cp932ToUtf8(textCp932) + "\" の階層 (" +
                                  std::to_string(level) + ") が不正です"};
}

ContentError ListIndexError(long long index) {
    return {ErrorKind::ListIndex,
            "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")"};
}

ContentError IndexError() {
    return {ErrorKind::Index, "不正なインデックス"};
}

std::string ErrorReportText(std::string_view message) {
    std::string text(message);
    if (text.empty())
        return text;
    // Walk back over UTF-8 continuation bytes to the start of the last character; any
    // multi-byte character has a code above U+002E, so only its lead byte needs looking at.
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    if (static_cast<unsigned char>(text[start]) > '.')
        text += '.';
    return text;
}

} // namespace content
