#include "platform/compound_text.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace platform {

CompoundTextReader::~CompoundTextReader() {
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

std::optional<QString> CompoundTextReader::read(std::string_view bytes) {
    if (!m_tried) {
        m_tried = true;
        m_display = XOpenDisplay(nullptr);
    }
    if (m_display == nullptr)
        return std::nullopt;
    XTextProperty property{};
    property.value = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
    property.encoding = XInternAtom(m_display, "COMPOUND_TEXT", False);
    property.format = 8;
    property.nitems = bytes.size();
    char** list = nullptr;
    int count = 0;
    // Success, or the number of characters it could not convert, or a negative error.
    const int status = Xutf8TextPropertyToTextList(m_display, &property, &list, &count);
    const std::unique_ptr<char*, void (*)(char**)> owned(list, XFreeStringList);
    if (status != Success)
        return std::nullopt;
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += QChar(u'\0');
        text += QString::fromUtf8(list[i]);
    }
    return text;
}

} // namespace platform
