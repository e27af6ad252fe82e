#pragma once

#include <QString>

#include <optional>
#include <string_view>

struct _XDisplay; // Xlib's Display, kept out of this header: Xlib's macros clash with Qt's names

namespace platform {

// Reads X11 COMPOUND_TEXT, the encoding older Xlib programs give WM_NAME when their title is not
// plain Latin-1, with Xlib's own converter. Xlib wants a display for it (it tells the encoding by
// its atom), so the reader opens a connection of its own the first time it meets such a value,
// and closes it with itself.
class CompoundTextReader final {
public:
    CompoundTextReader() = default;
    ~CompoundTextReader();
    CompoundTextReader(const CompoundTextReader&) = delete;
    CompoundTextReader& operator=(const CompoundTextReader&) = delete;

    // The text; strings the value holds apart (NUL-separated) stay apart by a NUL. Nullopt when
    // there is no display or Xlib cannot convert all of it: it leaves out what it cannot read,
    // and a caption short of a character could pass for another window's.
    std::optional<QString> read(std::string_view bytes);

private:
    _XDisplay* m_display = nullptr;
    bool m_tried = false;
};

} // namespace platform
