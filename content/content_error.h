#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace content {

// The four ways reading the disc can fail. The message is the program's own text in UTF-8, with
// its parameter already converted for display, so the general error report shows it as it stands.
enum class ErrorKind { Open, Level, ListIndex, Index };

class ContentError final : public std::runtime_error {
public:
    ContentError(ErrorKind kind, const std::string& message)
        : std::runtime_error(message), m_kind(kind) {}
    ErrorKind kind() const { return m_kind; }

private:
    ErrorKind m_kind;
};

// "ファイル %s は開けません": nativePath is the path as the file system spells it.
ContentError OpenError(std::string_view nativePath);
// "アイテム "%1:s" の階層 (%0:d) が不正です": text is the node text in the disc's code page.
ContentError LevelError(long long level, std::string_view textCp932);
// "リストのインデックスが範囲を超えています (%d)"
ContentError ListIndexError(long long index);
// "不正なインデックス"
ContentError IndexError();

// The text the general error report shows: a full stop is appended when the code of the
// message's last character is greater than that of the full stop itself, so a message ending
// in ")" stays as it is and one ending in a Japanese character gets its "." (UTF-8 in and out).
std::string ErrorReportText(std::string_view messageUtf8);

} // namespace content
